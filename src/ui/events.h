// Event handler types. A design binds an event of a component to a
// handler of its form by name; the handler's signature decides which
// events it may serve.
#pragma once

#include <functional>
#include <memory>
#include <variant>

#include "platform/platform.h"

namespace ui {

class Component;

enum class CloseAction { None, Hide, Free };

using MouseButton = plat::MouseButton;

using NotifyEvent = std::function<void(Component& sender)>;
using MouseEvent = std::function<void(Component& sender, MouseButton button, unsigned shift, int x, int y)>;
using CloseEvent = std::function<void(Component& sender, CloseAction& action)>;
using KeyPressEvent = std::function<void(Component& sender, char& key)>;
using NewWindow2Event = std::function<void(Component& sender, std::shared_ptr<void>& ppDisp, bool& cancel)>;

using Handler = std::variant<NotifyEvent, MouseEvent, CloseEvent, KeyPressEvent, NewWindow2Event>;

}  // namespace ui
