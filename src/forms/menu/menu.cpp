#include "forms/menu/menu.h"

#include <algorithm>

#include "forms/clock/clock.h"
#include "ui/overlay.h"
#include "ui/monitors.h"

TfrmMenu* frmMenu = nullptr;

using plat::os;

namespace {

void add_ex_style(plat::HWND window, plat::DWORD bits) {
  auto style = static_cast<plat::DWORD>(os().GetWindowLongA(window, plat::GWL_EXSTYLE));
  os().SetWindowLongA(window, plat::GWL_EXSTYLE, static_cast<plat::LONG>(style | bits));
}

// The panel is shown and hidden through its window only: the form's own
// show would activate it and take the focus from whatever the user works
// in, and its visibility flag stays the form's business.
// Each is asked of the window system only when it changes something: the
// slide-out ends on a hidden panel twenty times a second while the bar is
// out, and the pointer watch shows a shown one forty times a second while
// the pointer rests on the edge; under Wine every such call is a round trip
// to the server. IsWindowVisible reads our own window's style in process.
void hide_clock_panel() {
  if (frmClock && frmClock->handle() && os().IsWindowVisible(frmClock->handle())) {
    os().ShowWindow(frmClock->handle(), plat::SW_HIDE);
  }
}

void show_clock_panel() {
  if (!frmClock || !frmClock->handle()) return;
  const plat::HWND panel = frmClock->handle();
  if (os().IsWindowVisible(panel)) return;
  os().ShowWindow(panel, plat::SW_SHOWNOACTIVATE);
  // Showing without activation leaves the window where it stood in the
  // z-order, behind the always-on-top screens made after it (lock and
  // welcome), and Wine maps it beneath every window stacked since, the
  // frame included, whatever its z-order says: it would come up unseen.
  // So on the tick it appears it goes to the top of the always-on-top
  // band, where the bar it belongs to stands, still without activation.
  // While a message box is open the panel stays in the ordinary band,
  // behind the box, and goes back up with the other screens as it closes.
  if (!frmClock->application().modal_box_open()) {
    os().SetWindowPos(panel, plat::HWND_TOPMOST, 0, 0, 0, 0,
                      plat::SWP_NOMOVE | plat::SWP_NOSIZE | plat::SWP_NOACTIVATE | plat::SWP_NOOWNERZORDER);
  }
}

}  // namespace

TfrmMenu::TfrmMenu(ui::Application& app) : ui::Form(app) {
  handler("FormCreate", &TfrmMenu::FormCreate);
  handler("FormShow", &TfrmMenu::FormShow);
  handler("tmrMenuTimer", &TfrmMenu::tmrMenuTimer);
  handler("tmrShowMenuTimer", &TfrmMenu::tmrShowMenuTimer);
  handler("tmrHideMenuTimer", &TfrmMenu::tmrHideMenuTimer);
  handler("imgMenuClick", &TfrmMenu::imgMenuClick);
  handler("imgSearchClick", &TfrmMenu::imgSearchClick);
  handler("imgShareClick", &TfrmMenu::imgShareClick);
  handler("imgConnectClick", &TfrmMenu::imgConnectClick);
  handler("imgSettingsClick", &TfrmMenu::imgSettingsClick);
  handler("About1Click", &TfrmMenu::About1Click);
  handler("Lock1Click", &TfrmMenu::Lock1Click);
  handler("Exit1Click", &TfrmMenu::Exit1Click);
  load_design("TFRMMENU");
  imgMenu = &component<ui::Picture>("imgMenu");
  imgSearch = &component<ui::Picture>("imgSearch");
  imgShare = &component<ui::Picture>("imgShare");
  imgConnect = &component<ui::Picture>("imgConnect");
  imgSettings = &component<ui::Picture>("imgSettings");
  tmrMenu = &component<ui::Timer>("tmrMenu");
  tmrShowMenu = &component<ui::Timer>("tmrShowMenu");
  tmrHideMenu = &component<ui::Timer>("tmrHideMenu");
  pm1 = &component<ui::PopupMenu>("pm1");
  About1 = &component<ui::MenuItem>("About1");
  Lock1 = &component<ui::MenuItem>("Lock1");
  Exit1 = &component<ui::MenuItem>("Exit1");
}

void TfrmMenu::create_params(plat::WindowParams& params) { params.class_name = "SlatebarCLS"; }

void TfrmMenu::FormCreate(ui::Component&) {
  ui::Application& app = application();
  app.on_deactivate = [this](ui::Application& sender) { AppDeactivate(sender); };

  // A tool window has no taskbar button; the style only takes effect on a
  // window that is shown again after it was set.
  plat::HWND app_window = app.handle();
  os().ShowWindow(app_window, plat::SW_HIDE);
  add_ex_style(app_window, plat::WS_EX_TOOLWINDOW);
  os().ShowWindow(app_window, plat::SW_SHOW);

  set_color(0);
  place_bar();
  set_border_style(ui::BorderStyle::None);
  for (ui::Picture* icon : {imgMenu, imgShare, imgSearch, imgConnect, imgSettings}) icon->set_cursor(ui::crHandPoint);

  // Layered (fully opaque) and a tool window, so it stays out of the task
  // switcher; always on top, placed without being moved or activated.
  ui::overlay::make_overlay(*this, 255, plat::HWND_TOPMOST);
}

void TfrmMenu::place_bar() {
  // Created on the primary, wholly on it; the first slide-out parks it.
  const plat::RECT primary = ui::primary_rect();
  bring_to(primary, primary.right - scaled(kCreationInset));
  icons_to_rest();
}

void TfrmMenu::dpi_changed(const plat::RECT&) {
  tmrShowMenu->set_enabled(false);
  place_bar();
}

// Another program took the activation: slide out. While the icons are in,
// the slide-out waits until the pointer leaves the bar (a slide-out tick
// does nothing while the fly-in runs), so the bar does not vanish under a
// pointer that still rests on it.
void TfrmMenu::AppDeactivate(ui::Application&) { tmrHideMenu->set_enabled(true); }

// The pointer watch, 40 times a second for the program's whole life. It
// allocates nothing: the screen width is read, not kept, and every call
// is a plain platform query or a timer switch.
void TfrmMenu::tmrMenuTimer(ui::Component&) {
  plat::POINT pointer{};
  // A refused read (a secure desktop, a locked session) ends this tick; the
  // next one tries again.
  if (!application().tick_reads().cursor_pos(&pointer)) return;
  // Asked once: between here and the end of the tick only our own
  // windows move, without activation.
  const bool ours_in_front = application().tick_reads().foreground_window() == application().handle();

  // An edge is a right edge of the monitor the pointer rests on with
  // nothing beyond it at the pointer's height; a hidden bar goes to
  // whichever monitor that is, so it comes in where the pointer stops.
  const std::optional<plat::RECT> edge = desk_.right_edge_at(pointer);
  if (edge && !ours_in_front) {
    if (*edge != monitor_ && hidden()) bring_to(*edge, parked_left());
  }
  const int edge_x = monitor_.right;
  const int step = scaled(kStep);

  if (!ours_in_front && edge && *edge == monitor_) {
    if (left() > edge_x - scaled(kBarWidth)) {
      // While the bar is off-screen the slide-out is armed every other
      // tick, and its next tick would only find the bar off-screen and
      // stop. Run that stop now: left armed, it would come due with this
      // timer and push the bar back out after every move in, holding it
      // off-screen for as long as the pointer rests on the edge. The panel
      // is not hidden here, as this tick shows it again.
      const bool parked = hidden();
      if (parked && tmrHideMenu->enabled() && !tmrShowMenu->enabled()) {
        tmrHideMenu->set_enabled(false);
        icons_to_rest();
      }
      // From its parking place beyond the whole desk the first move starts
      // just beyond this edge, so that coming in takes as long as on one
      // monitor.
      set_left((parked ? edge_x + scaled(kParkGap) : left()) - step);
    } else {
      tmrShowMenu->set_enabled(true);
    }
    show_clock_panel();
  }

  // Left of the bar, or away on another monitor: the bar is not wanted.
  const bool away = left() > pointer.x || !ui::contains(monitor_, pointer);
  if (away && !ours_in_front) {
    tmrShowMenu->set_enabled(false);
    tmrHideMenu->set_enabled(true);
  }
}

// The icons arrive from the middle outward because their rest lefts grow
// from the centre icon to the outer ones; the timer runs on idle once
// they are all at 0, until the pointer watch stops it.
void TfrmMenu::tmrShowMenuTimer(ui::Component&) {
  const int step = scaled(kStep);
  for (ui::Picture* icon : {imgMenu, imgShare, imgSearch, imgConnect, imgSettings}) {
    if (icon->left() > 0) icon->set_left(std::max(0, icon->left() - step));
  }
}

void TfrmMenu::tmrHideMenuTimer(ui::Component&) {
  // The fly-in still runs: the bar is wanted in, the slide-out waits.
  if (tmrShowMenu->enabled()) return;
  if (!hidden()) {
    // The move that takes the bar past its monitor's edge parks it beyond
    // the whole desk instead: just beyond the edge it would stand on a
    // neighbouring monitor wherever that one reaches higher or lower.
    const int next = left() + scaled(kStep);
    if (next < monitor_.right) {
      set_left(next);
    } else {
      park();
    }
    return;
  }
  tmrHideMenu->set_enabled(false);
  icons_to_rest();
  hide_clock_panel();
}

bool TfrmMenu::hidden() const { return left() >= monitor_.right; }

int TfrmMenu::parked_left() { return desk_.desk().right + scaled(kParkGap); }

void TfrmMenu::park() { set_left(parked_left()); }

// As tall as the monitor, with the icons' tops for that height; the clock
// panel goes to the same monitor.
void TfrmMenu::bring_to(const plat::RECT& monitor, int bar_left) {
  monitor_ = monitor;
  set_bounds(bar_left, monitor.top, scaled(kBarWidth), monitor.bottom - monitor.top);
  // Tops are fixed here for this monitor; only the lefts move afterwards.
  const int centre_top = height() / 2 - scaled(kIconSize) / 2;
  const int pitch = scaled(kIconPitch);
  imgMenu->set_top(centre_top);
  imgShare->set_top(centre_top - pitch);
  imgSearch->set_top(centre_top - 2 * pitch);
  imgConnect->set_top(centre_top + pitch);
  imgSettings->set_top(centre_top + 2 * pitch);
  if (frmClock) frmClock->place_on(monitor);
}

// The monitor the bar stood on may be gone or moved: the bar goes out at
// once and comes in again wherever the pointer next stops.
void TfrmMenu::display_changed() {
  desk_.forget();
  tmrShowMenu->set_enabled(false);
  tmrHideMenu->set_enabled(false);
  icons_to_rest();
  hide_clock_panel();
  bring_to(ui::primary_rect(), parked_left());
}

void TfrmMenu::icons_to_rest() {
  imgMenu->set_left(scaled(kRestMenu));
  imgShare->set_left(scaled(kRestShare));
  imgSearch->set_left(scaled(kRestSearch));
  imgConnect->set_left(scaled(kRestConnect));
  imgSettings->set_left(scaled(kRestSettings));
}
