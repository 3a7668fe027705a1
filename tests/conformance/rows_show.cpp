// ShowWindow's commands on hidden and on visible windows: what each does to
// the z-order and to the activation.
#include "row.h"
#include "stage.h"

namespace conformance {
namespace {

struct ShowCase {
  int cmd;
  bool start_visible;
  std::vector<std::string> z_order;  // "active" was shown first and is active
  std::string foreground;
};

// "active" is shown and active; "target" stands below it (visible) or is
// hidden; the command goes to "target".
void show_case(Desk& desk, Check& check, const ShowCase& c) {
  Stage stage(desk);
  const HWND target = stage.create({"target", 0, 0, {150, 150, 350, 300}});
  if (c.start_visible) stage.os().ShowWindow(target, plat::SW_SHOW);
  stage.show({"active"});
  check.that(stage.foreground() == "active", "the window shown last is not active before the command");
  stage.os().ShowWindow(target, c.cmd);
  desk.run_for(50);
  check.that(stage.os().IsWindowVisible(target) != 0, "the target is not visible after the command");
  check.equal(stage.z_order(), c.z_order, "z-order after the command");
  check.that(stage.foreground() == c.foreground, "the foreground window after the command is " + stage.foreground());
}

void sw_show_hidden(Desk& d, Check& c) { show_case(d, c, {plat::SW_SHOW, false, {"target", "active"}, "target"}); }
void sw_show_visible(Desk& d, Check& c) { show_case(d, c, {plat::SW_SHOW, true, {"active", "target"}, "active"}); }
void sw_shownormal_hidden(Desk& d, Check& c) {
  show_case(d, c, {plat::SW_SHOWNORMAL, false, {"target", "active"}, "target"});
}
void sw_showna_hidden(Desk& d, Check& c) { show_case(d, c, {plat::SW_SHOWNA, false, {"target", "active"}, "active"}); }
void sw_showna_visible(Desk& d, Check& c) { show_case(d, c, {plat::SW_SHOWNA, true, {"target", "active"}, "active"}); }

// SW_SHOWNOACTIVATE is SW_SHOWNORMAL without the activation; where it puts
// the window in the z-order is not documented, so only that is checked.
void sw_shownoactivate(Desk& desk, Check& check, bool start_visible) {
  Stage stage(desk);
  const HWND target = stage.create({"target", 0, 0, {150, 150, 350, 300}});
  if (start_visible) stage.os().ShowWindow(target, plat::SW_SHOW);
  stage.show({"active"});
  stage.os().ShowWindow(target, plat::SW_SHOWNOACTIVATE);
  desk.run_for(50);
  check.that(stage.os().IsWindowVisible(target) != 0, "the target is not visible after SW_SHOWNOACTIVATE");
  check.that(stage.foreground() == "active", "the foreground window after SW_SHOWNOACTIVATE is " + stage.foreground());
}
void sw_shownoactivate_hidden(Desk& d, Check& c) { sw_shownoactivate(d, c, false); }
void sw_shownoactivate_visible(Desk& d, Check& c) { sw_shownoactivate(d, c, true); }

const Row kRows[] = {
    {"sw_show_hidden", "ShowWindow(SW_SHOW) on a hidden window while another window is active",
     "Shows it at the top of its band and activates it",
     "ShowWindow, SW_SHOW: \"Activates the window and displays it in its current size and position\" "
     "(learn.microsoft.com/windows/win32/api/winuser/nf-winuser-showwindow); Wine dlls/user32/tests/win.c "
     "test_SetActiveWindow: ShowWindow(hwnd, SW_SHOW) then check_wnd_state(hwnd, hwnd, hwnd, 0)",
     sw_show_hidden},
    {"sw_show_visible", "ShowWindow(SW_SHOW) on a visible window below the active one",
     "Nothing: neither the z-order nor the activation changes",
     "Wine dlls/user32/tests/msg.c test_messages: ShowWindow(SW_SHOW) on a visible popup gives the empty "
     "sequence WmShowVisiblePopupSeq (no WM_WINDOWPOSCHANGING, no activation)",
     sw_show_visible},
    {"sw_shownormal_hidden", "ShowWindow(SW_SHOWNORMAL) on a hidden window while another window is active",
     "Shows it at the top of its band and activates it",
     "ShowWindow, SW_SHOWNORMAL: \"Activates and displays a window\" (learn.microsoft.com/windows/win32/api/"
     "winuser/nf-winuser-showwindow)",
     sw_shownormal_hidden},
    {"sw_showna_hidden", "ShowWindow(SW_SHOWNA) on a hidden window while another window is active",
     "Shows it and puts it at the top of its band, without activating it",
     "ShowWindow, SW_SHOWNA: \"similar to SW_SHOW, except that the window is not activated\"; Wine "
     "dlls/user32/tests/msg.c WmSHOWNATopInvisible (test_showwindow): WM_WINDOWPOSCHANGING with "
     "SWP_SHOWWINDOW|SWP_NOACTIVATE|SWP_NOSIZE|SWP_NOMOVE, no SWP_NOZORDER, so the window is placed at the top",
     sw_showna_hidden},
    {"sw_showna_visible", "ShowWindow(SW_SHOWNA) on a visible window below the active one",
     "Raises it to the top of its band without activating it",
     "Wine dlls/user32/tests/msg.c WmSHOWNATopVisible (test_showwindow): WM_WINDOWPOSCHANGING with "
     "SWP_SHOWWINDOW|SWP_NOSIZE|SWP_NOMOVE|SWP_NOACTIVATE, no SWP_NOZORDER",
     sw_showna_visible},
    {"sw_shownoactivate_hidden", "ShowWindow(SW_SHOWNOACTIVATE) on a hidden window while another window is active",
     "Shows it without activating it; the active window keeps the foreground",
     "ShowWindow, SW_SHOWNOACTIVATE: \"similar to SW_SHOWNORMAL, except that the window is not activated\" "
     "(learn.microsoft.com/windows/win32/api/winuser/nf-winuser-showwindow)",
     sw_shownoactivate_hidden},
    {"sw_shownoactivate_visible", "ShowWindow(SW_SHOWNOACTIVATE) on a visible window below the active one",
     "The active window keeps the foreground",
     "ShowWindow, SW_SHOWNOACTIVATE (learn.microsoft.com/windows/win32/api/winuser/nf-winuser-showwindow)",
     sw_shownoactivate_visible},
};

}  // namespace

std::span<const Row> show_rows() { return kRows; }

}  // namespace conformance
