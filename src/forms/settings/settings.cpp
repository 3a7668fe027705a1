#include "forms/settings/settings.h"

#include "ui/overlay.h"
#include "platform/platform.h"

TfrmSetting* frmSetting = nullptr;

namespace {

// Slightly translucent, so the desktop shows faintly through the dialog.
constexpr std::uint8_t kAlpha = 250;

}  // namespace

TfrmSetting::TfrmSetting(ui::Application& app) : ui::Form(app) {
  handler("FormCreate", &TfrmSetting::FormCreate);
  handler("lblOkClick", &TfrmSetting::lblOkClick);
  handler("lblCancelClick", &TfrmSetting::lblCancelClick);
  load_design("TFRMSETTING");
}

void TfrmSetting::FormCreate(ui::Component&) {
  set_color(0x00000000);
  set_border_style(ui::BorderStyle::None);
  ui::overlay::make_overlay(*this, kAlpha, plat::HWND_TOPMOST);
}

// OK and Cancel alike only put the dialog away; the fields keep what was
// typed until the program ends.
void TfrmSetting::lblOkClick(ui::Component&) { close(); }

void TfrmSetting::lblCancelClick(ui::Component&) { close(); }
