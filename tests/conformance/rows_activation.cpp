// Which window gets the activation when the active window hides or is
// destroyed: its owner first, else the next window in the z-order.
#include "row.h"
#include "stage.h"

namespace conformance {
namespace {

enum class Leave { Hide, Destroy };

void leave(Stage& stage, HWND hwnd, Leave how) {
  if (how == Leave::Hide) {
    stage.os().ShowWindow(hwnd, plat::SW_HIDE);
  } else {
    stage.destroy(hwnd);
  }
  stage.desk().run_for(50);
}

// Three windows: a lone one at the bottom, an owner above it, and the
// owner's active popup on top; the popup leaves.
void owned_window_leaves(Desk& desk, Check& check, Leave how) {
  Stage stage(desk);
  stage.show({"lone", 0, 0, {400, 100, 600, 250}});
  const HWND owner = stage.show({"owner"});
  const HWND popup = stage.show({"popup", 0, owner, {150, 150, 350, 300}});
  check.that(stage.foreground() == "popup", "the popup shown last is not the foreground window");
  leave(stage, popup, how);
  check.that(stage.foreground() == "owner", "after the active popup left the foreground window is " +
                                                stage.foreground());
}

// Two unowned windows; the active one on top leaves, the other one is
// next in the z-order. A hidden window stands between them in the order.
void unowned_window_leaves(Desk& desk, Check& check, Leave how) {
  Stage stage(desk);
  stage.show({"below", 0, 0, {400, 100, 600, 250}});
  stage.create({"hidden"});
  const HWND top = stage.show({"top"});
  leave(stage, top, how);
  check.that(stage.foreground() == "below", "after the active window left the foreground window is " +
                                                stage.foreground());
}

void hiding_active_owned_window(Desk& desk, Check& check) { owned_window_leaves(desk, check, Leave::Hide); }
void destroying_active_owned_window(Desk& desk, Check& check) { owned_window_leaves(desk, check, Leave::Destroy); }
void hiding_active_window(Desk& desk, Check& check) { unowned_window_leaves(desk, check, Leave::Hide); }
void destroying_active_window(Desk& desk, Check& check) { unowned_window_leaves(desk, check, Leave::Destroy); }

// The hidden application window of a program owns its forms; when the
// last active form hides, activation must not stay with a hidden window.
void hidden_owner_is_skipped(Desk& desk, Check& check) {
  Stage stage(desk);
  stage.show({"below", 0, 0, {400, 100, 600, 250}});
  const HWND app = stage.create({"hidden owner"});
  const HWND form = stage.show({"form", 0, app});
  leave(stage, form, Leave::Hide);
  check.that(stage.foreground() == "below", "after the form owned by a hidden window hid, the foreground window is " +
                                                stage.foreground());
}

const Row kRows[] = {
    {"hiding_active_owned_window",
     "ShowWindow(SW_HIDE) on the active window, which is owned by a visible window",
     "The owner becomes the active and foreground window",
     "ShowWindow, SW_HIDE: \"Hides the window and activates another window\" "
     "(learn.microsoft.com/windows/win32/api/winuser/nf-winuser-showwindow); Wine dlls/user32/tests/win.c "
     "test_SetActiveWindow (the owner is active again after its active popup goes)",
     hiding_active_owned_window},
    {"destroying_active_owned_window",
     "DestroyWindow on the active window, which is owned by a visible window",
     "The owner becomes the active and foreground window",
     "Wine dlls/user32/tests/win.c test_SetActiveWindow: after DestroyWindow(hwnd2) of a popup owned by hwnd, "
     "check_wnd_state(hwnd, hwnd, hwnd, 0)",
     destroying_active_owned_window},
    {"hiding_active_window",
     "ShowWindow(SW_HIDE) on the active unowned window, another visible window below it",
     "The next visible window in the z-order becomes the active and foreground window; hidden windows are "
     "passed over",
     "ShowWindow, SW_HIDE: \"Hides the window and activates another window\"; Wine dlls/user32/tests/win.c "
     "test_SetActiveWindow (hiding the only window leaves no active window, check_wnd_state(0, 0, 0, 0))",
     hiding_active_window},
    {"destroying_active_window",
     "DestroyWindow on the active unowned window, another visible window below it",
     "The next visible window in the z-order becomes the active and foreground window",
     "DestroyWindow: \"If the specified window is ... the active window, DestroyWindow deactivates it\" and the "
     "system activates another (learn.microsoft.com/windows/win32/api/winuser/nf-winuser-destroywindow); Wine "
     "dlls/user32/tests/win.c test_SetActiveWindow",
     destroying_active_window},
    {"hidden_owner_is_skipped",
     "ShowWindow(SW_HIDE) on the active window whose owner is hidden (as forms owned by a hidden application "
     "window are)",
     "A hidden window cannot be activated this way: the next visible window in the z-order becomes active",
     "ShowWindow, SW_HIDE: \"activates another window\"; Window Features, Active Window: the active window is a "
     "top-level window the user is working with (learn.microsoft.com/windows/win32/winmsg/window-features)",
     hidden_owner_is_skipped},
};

}  // namespace

std::span<const Row> activation_rows() { return kRows; }

}  // namespace conformance
