#include "forms/appswitcher/appswitcher.h"

#include "forms/appPicture/appPicture.h"
#include "forms/framework/framework.h"
#include "forms/overlay/overlay.h"
#include "platform/platform.h"
#include "ui/application.h"
#include "ui/button.h"
#include "ui/colours.h"
#include "ui/timer.h"

TfrmAppSwitcher* frmAppSwitcher = nullptr;

namespace appswitcher {
bool SwitcherDragging = false;
}

namespace {

// At 96 pixels per inch, shown at the form's scale; the edge column is a
// screen pixel and is not.
constexpr int kStripWidth = 20;
constexpr int kRestLeft = -40;
constexpr int kStep = 10;
// Half transparent, so the desktop shows through the strip.
constexpr std::uint8_t kAlpha = 128;
// A release this far from the strip's left edge, or nearer, cancels.
constexpr int kCancelZone = 10;
constexpr unsigned kPollMs = 15;

}  // namespace

TfrmAppSwitcher::TfrmAppSwitcher(ui::Application& app) : ui::Form(app) {
  handler("FormCreate", &TfrmAppSwitcher::FormCreate);
  handler("tmrAppSwithcerTimer", &TfrmAppSwitcher::tmrAppSwithcerTimer);
  handler("FormMouseDown", &TfrmAppSwitcher::FormMouseDown);
  handler("FormMouseUp", &TfrmAppSwitcher::FormMouseUp);
  load_design("TFRMAPPSWITCHER");
  tmrAppSwithcer = &component<ui::Timer>("tmrAppSwithcer");
}

void TfrmAppSwitcher::FormCreate(ui::Component&) {
  set_color(ui::colours::kBlack);
  set_border_style(ui::BorderStyle::None);
  set_height(application().screen().height());
  set_width(scaled(kStripWidth));
  set_left(scaled(kRestLeft));
  set_top(0);
  set_cursor(ui::crHandPoint);
  set_form_style(ui::FormStyle::StayOnTop);
  overlay::make_overlay(*this, kAlpha, plat::HWND_TOPMOST);
}

void TfrmAppSwitcher::tmrAppSwithcerTimer(ui::Component&) {
  if (appswitcher::SwitcherDragging) return;
  auto& os = plat::os();
  plat::POINT cursor;
  if (!os.GetCursorPos(&cursor)) return;
  plat::HWND app_window = application().handle();
  if (os.GetForegroundWindow() != app_window && cursor.x == 0) {
    if (left() < 0) set_left(left() + scaled(kStep));
    if (!os.IsWindowEnabled(handle())) show();
  }
  if (cursor.x > scaled(kCancelZone) && os.GetForegroundWindow() != app_window) to_rest();
}

void TfrmAppSwitcher::to_rest() {
  set_left(scaled(kRestLeft));
  set_top(0);
  set_height(application().screen().height());
  set_width(scaled(kStripWidth));
}

void TfrmAppSwitcher::dpi_changed(const plat::RECT&) { to_rest(); }

void TfrmAppSwitcher::FormMouseDown(ui::Component&, ui::MouseButton, unsigned, int X, int Y) {
  auto& os = plat::os();
  appswitcher::SwitcherDragging = true;
  TfrmAppPicture& list = *frmAppPicture;
  if (!os.IsWindowVisible(list.handle())) {
    list.set_left(-list.width());
    os.ShowWindow(list.handle(), plat::SW_SHOWNOACTIVATE);
    frmFrameWork->hide();
    list.btnListApps->click();
    list.btnPreview->click();
    // A message box shown by the preview took the mouse capture away; the
    // release must still come back to the strip to end the drag. Only a
    // button held now counts: the low bit says it went down at some time
    // since the last query, such as on the box's own button.
    if ((os.GetAsyncKeyState(plat::VK_LBUTTON) & 0x8000) != 0 && os.GetCapture() != handle()) {
      os.SetCapture(handle());
    }
  }
  plat::POINT start{};
  os.GetCursorPos(&start);
  while (os.GetAsyncKeyState(plat::VK_LBUTTON) != 0 && !application().terminated()) {
    os.Sleep(kPollMs);
    plat::POINT now{};
    if (os.GetCursorPos(&now) && now != start) {
      list.set_left(X + (now.x - start.x) - list.width());
      list.set_top(Y + (now.y - start.y) - list.height() / 2);
    }
    application().process_messages();
  }
}

void TfrmAppSwitcher::FormMouseUp(ui::Component&, ui::MouseButton, unsigned, int X, int) {
  auto& os = plat::os();
  appswitcher::SwitcherDragging = false;
  TfrmAppPicture& list = *frmAppPicture;
  if (!os.IsWindowVisible(list.handle())) return;
  os.ShowWindow(list.handle(), plat::SW_HIDE);
  if (X > scaled(kCancelZone)) list.btnSwitchToThisApp->click();
  list.btnDisablePreview->click();
  show();
}
