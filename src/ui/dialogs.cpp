#include "ui/dialogs.h"

#include "ui/application.h"

namespace ui {

DialogResult message_dlg(Application& app, std::string_view text, DialogKind kind, DialogButtons buttons) {
  plat::UINT type = buttons == DialogButtons::YesNo ? plat::MB_YESNO : plat::MB_OK;
  const char* caption = "Error";
  switch (kind) {
    case DialogKind::Error: type |= plat::MB_ICONSTOP; caption = "Error"; break;
    case DialogKind::Warning: type |= plat::MB_ICONWARNING; caption = "Warning"; break;
    case DialogKind::Confirmation: type |= plat::MB_ICONQUESTION; caption = "Confirm"; break;
  }
  int answer = app.message_box(text, caption, type);
  if (answer == plat::IDYES) return DialogResult::Yes;
  if (answer == plat::IDNO) return DialogResult::No;
  return DialogResult::Ok;
}

void show_message(Application& app, std::string_view text) {
  app.message_box(text, app.title().c_str(), plat::MB_OK);
}

}  // namespace ui
