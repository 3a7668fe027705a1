#include "forms/appswitcher/appswitcher.h"

#include "forms/appPicture/appPicture.h"
#include "forms/framework/framework.h"
#include "ui/overlay.h"
#include "platform/platform.h"
#include "ui/application.h"
#include "ui/button.h"
#include "ui/colours.h"
#include "ui/monitors.h"
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

// The physical button behind a logical one, as GetAsyncKeyState reads
// them: with the buttons swapped the logical left is the right button.
int physical_key(ui::MouseButton button) {
  const int primary = ui::primary_button_vk();
  switch (button) {
    case ui::MouseButton::Right:
      return primary == plat::VK_LBUTTON ? plat::VK_RBUTTON : plat::VK_LBUTTON;
    case ui::MouseButton::Middle:
      return plat::VK_MBUTTON;
    default:
      return primary;
  }
}

}  // namespace

TfrmAppSwitcher::TfrmAppSwitcher(ui::Application& app) : ui::Form(app) {
  // No drag is under way for the form made once per run, as in a fresh process.
  appswitcher::SwitcherDragging = false;
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
  monitor_ = ui::primary_rect();
  park();
  set_cursor(ui::crHandPoint);
  set_form_style(ui::FormStyle::StayOnTop);
  // An edge surface, not a place to type: a press on the strip leaves the
  // activation, and so the keyboard, with the window that had it, and the
  // system never hands the strip the activation when that window goes.
  ui::overlay::make_overlay(*this, kAlpha, plat::HWND_TOPMOST, plat::WS_EX_NOACTIVATE);
}

void TfrmAppSwitcher::tmrAppSwithcerTimer(ui::Component&) {
  if (appswitcher::SwitcherDragging) return;
  auto& os = plat::os();
  plat::POINT cursor;
  if (!application().tick_reads().cursor_pos(&cursor)) return;
  // Asked once: between here and the end of the tick only our own
  // windows move, without activation.
  const bool ours_in_front = application().tick_reads().foreground_window() == application().handle();
  // A left edge of the desk: the first column of the monitor the pointer
  // is on, with no monitor beyond it at the pointer's height.
  const std::optional<plat::RECT> edge = desk_.left_edge_at(cursor);
  if (!ours_in_front && edge) {
    // From its parking place beyond the desk, or from another monitor, the
    // strip starts at its rest beside this edge, as tall as this monitor.
    const int rest_left = edge->left + scaled(kRestLeft);
    if (*edge != monitor_ || left() < rest_left) {
      monitor_ = *edge;
      set_bounds(rest_left, edge->top, scaled(kStripWidth), edge->bottom - edge->top);
    }
    if (left() < monitor_.left) set_left(left() + scaled(kStep));
    if (!os.IsWindowEnabled(handle())) show();
  }
  const bool away = cursor.x > monitor_.left + scaled(kCancelZone) || !ui::contains(monitor_, cursor);
  if (away && !ours_in_front) park();
}

// Beyond the desk's left edge, where no monitor shows it.
void TfrmAppSwitcher::park() {
  set_left(desk_.desk().left + scaled(kRestLeft));
  set_top(monitor_.top);
  set_height(monitor_.bottom - monitor_.top);
  set_width(scaled(kStripWidth));
}

void TfrmAppSwitcher::display_changed() {
  desk_.forget();
  monitor_ = ui::primary_rect();
  park();
}

// At a new scale the strip goes back to its resting place.
void TfrmAppSwitcher::dpi_changed(const plat::RECT&) { park(); }

void TfrmAppSwitcher::FormMouseDown(ui::Component&, ui::MouseButton Button, unsigned Shift, int X, int Y) {
  auto& os = plat::os();
  appswitcher::SwitcherDragging = true;
  TfrmAppPicture& list = *frmAppPicture;
  if (!os.IsWindowVisible(list.handle())) {
    // Beyond the desk until the pointer moves: a monitor left of this
    // one would show it there.
    list.set_left(ui::desk_rect().left - list.width());
    os.ShowWindow(list.handle(), plat::SW_SHOWNOACTIVATE);
    frmFrameWork->hide();
    list.btnListApps->click();
    list.btnPreview->click();
    // A message box shown by the preview took the mouse capture away; the
    // release must still come back to the strip to end the drag. Only a
    // button held now counts: the low bit says it went down at some time
    // since the last query, such as on the box's own button.
    if (ui::button_held(ui::primary_button_vk()) && os.GetCapture() != handle()) {
      os.SetCapture(handle());
    }
  }
  plat::POINT start{};
  os.GetCursorPos(&start);
  plat::POINT last = start;
  const int held = ui::primary_button_vk();
  const bool dragged = ui::button_held(held);
  while (ui::button_held(held) && !application().terminated()) {
    os.Sleep(kPollMs);
    plat::POINT now{};
    if (os.GetCursorPos(&now)) {
      last = now;
      if (now != start) {
        // X and Y are the strip's; the strip stands at its monitor's corner.
        list.set_left(monitor_.left + X + (now.x - start.x) - list.width());
        list.set_top(monitor_.top + Y + (now.y - start.y) - list.height() / 2);
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
  if (!appswitcher::SwitcherDragging || ui::button_held(physical_key(button))) return;
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
  if (X > scaled(kCancelZone)) list.btnSwitchToThisApp->click();
  list.btnDisablePreview->click();
  show();
}
