// The program's message dialogs: modal boxes with the kinds, captions and
// buttons a person expects, returning the button pressed.
#pragma once

#include <string_view>

namespace ui {

class Application;

enum class DialogKind { Error, Warning, Confirmation };
enum class DialogButtons { Ok, YesNo };
enum class DialogResult { Ok, Yes, No };

// Error: stop icon, caption "Error"; warning: exclamation icon, caption
// "Warning"; confirmation: question icon, caption "Confirm".
DialogResult message_dlg(Application& app, std::string_view text, DialogKind kind, DialogButtons buttons);
// The plain message: no icon, the application title as caption, "OK".
void show_message(Application& app, std::string_view text);

}  // namespace ui
