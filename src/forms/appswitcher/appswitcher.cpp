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

constexpr int kStripWidth = 20;
constexpr int kRestLeft = -40;
constexpr int kStep = 10;
// Half transparent, so the desktop shows through the strip.
constexpr std::uint8_t kAlpha = 128;
// A release this far from the strip's left edge, or nearer, cancels.
constexpr int kCancelZone = 10;
constexpr unsigned kPollMs = 15;

// Only the high bit says the button is down now: the low bit, "pressed
// since the last query", is shared with every other caller and is kept
// for 16-bit programs only.
bool held(int vkey) { return (plat::os().GetAsyncKeyState(vkey) & 0x8000) != 0; }

int virtual_key(ui::MouseButton button) {
  switch (button) {
    case ui::MouseButton::Right:
      return plat::VK_RBUTTON;
    case ui::MouseButton::Middle:
      return plat::VK_MBUTTON;
    default:
      return plat::VK_LBUTTON;
  }
}

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
  set_width(kStripWidth);
  set_left(kRestLeft);
  set_top(0);
  set_cursor(ui::crHandPoint);
  set_form_style(ui::FormStyle::StayOnTop);
  // An edge surface, not a place to type: a press on the strip leaves the
  // activation, and so the keyboard, with the window that had it, and the
  // system never hands the strip the activation when that window goes.
  overlay::make_overlay(*this, kAlpha, plat::HWND_TOPMOST, plat::WS_EX_NOACTIVATE);
}

void TfrmAppSwitcher::tmrAppSwithcerTimer(ui::Component&) {
  if (appswitcher::SwitcherDragging) return;
  auto& os = plat::os();
  plat::POINT cursor;
  if (!os.GetCursorPos(&cursor)) return;
  plat::HWND app_window = application().handle();
  if (os.GetForegroundWindow() != app_window && cursor.x == 0) {
    if (left() < 0) set_left(left() + kStep);
    if (!os.IsWindowEnabled(handle())) show();
  }
  if (cursor.x > kCancelZone && os.GetForegroundWindow() != app_window) {
    set_left(kRestLeft);
    set_top(0);
    set_height(application().screen().height());
    set_width(kStripWidth);
  }
}

void TfrmAppSwitcher::FormMouseDown(ui::Component&, ui::MouseButton Button, unsigned Shift, int X, int Y) {
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
    // release must still come back to the strip to end the drag.
    if (held(plat::VK_LBUTTON) && os.GetCapture() != handle()) os.SetCapture(handle());
  }
  plat::POINT start{};
  os.GetCursorPos(&start);
  plat::POINT last = start;
  const bool dragged = held(plat::VK_LBUTTON);
  while (held(plat::VK_LBUTTON) && !application().terminated()) {
    os.Sleep(kPollMs);
    plat::POINT now{};
    if (os.GetCursorPos(&now)) {
      last = now;
      if (now != start) {
        list.set_left(X + (now.x - start.x) - list.width());
        list.set_top(Y + (now.y - start.y) - list.height() / 2);
      }
    }
    application().process_messages();
  }
  if (appswitcher::SwitcherDragging && !application().terminated()) end_lost_drag(Button, Shift, dragged, last);
}

// The release that ends a drag does not always reach the strip: one made
// while a box was up went to the box or to a disabled form, and one made
// while another program had the foreground goes to the window under the
// pointer, since only the foreground window's capture holds. The button
// state is the desktop's own, so once the pressed button is up the drag
// ends here as the release would have ended it. A release already queued
// for the strip is let through first, with its own position.
void TfrmAppSwitcher::end_lost_drag(ui::MouseButton button, unsigned shift, bool dragged, plat::POINT last) {
  application().process_messages();
  if (!appswitcher::SwitcherDragging || held(virtual_key(button))) return;
  // Let go while the warning was up, before anything followed the
  // pointer: nothing was chosen, so nothing is switched to.
  const int x = dragged ? last.x - left() : 0;
  FormMouseUp(*this, button, shift, x, last.y - top());
}

void TfrmAppSwitcher::FormMouseUp(ui::Component&, ui::MouseButton, unsigned, int X, int) {
  auto& os = plat::os();
  appswitcher::SwitcherDragging = false;
  TfrmAppPicture& list = *frmAppPicture;
  if (!os.IsWindowVisible(list.handle())) return;
  os.ShowWindow(list.handle(), plat::SW_HIDE);
  if (X > kCancelZone) list.btnSwitchToThisApp->click();
  list.btnDisablePreview->click();
  show();
}
