// Which window gets the activation when the active window hides or is
// destroyed: its owner first, else the first window from the top.
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

// A topmost window in front, then the active ordinary window, a hidden
// window and another ordinary window behind it; the active one leaves.
void unowned_window_leaves(Desk& desk, Check& check, Leave how) {
  Stage stage(desk);
  stage.show({"topmost", plat::WS_EX_TOPMOST, 0, {20, 20, 120, 120}});
  stage.show({"below", 0, 0, {400, 100, 600, 250}});
  stage.create({"hidden"});
  const HWND active = stage.show({"active"});
  check.equal(stage.z_order(), {"topmost", "active", "below"}, "z-order before");
  leave(stage, active, how);
  check.that(stage.foreground() == "topmost", "after the active window left the foreground window is " +
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
     "test_hide_window, \"hiding an owned window activates its owner\": ShowWindow(hwnd3, SW_HIDE) on the "
     "popup owned by hwnd, then check_active_state(hwnd, hwnd, hwnd)",
     hiding_active_owned_window},
    {"destroying_active_owned_window",
     "DestroyWindow on the active window, which is owned by a visible window",
     "The owner becomes the active and foreground window",
     "Wine dlls/user32/tests/win.c test_SetActiveWindow: after DestroyWindow(hwnd2) of a popup owned by hwnd, "
     "check_wnd_state(hwnd, hwnd, hwnd, 0)",
     destroying_active_owned_window},
    {"hiding_active_window",
     "ShowWindow(SW_HIDE) on the active ordinary window, with a topmost window in front of it and another "
     "ordinary window (and a hidden one) behind it",
     "The topmost window in front becomes the active and foreground window, not the one right behind",
     "Wine dlls/user32/tests/win.c test_hide_window, \"hide a normal window when there is a topmost "
     "window\": ShowWindow(hwnd2, SW_HIDE) with the topmost hwnd3 in front and hwnd behind, then todo_wine "
     "check_active_state(hwnd3, hwnd3, hwnd3); with ordinary windows only, the one behind (\"test hiding two "
     "normal windows\": check_active_state(hwnd, hwnd, hwnd)). That the system looks from the top of the "
     "z-order, passing over tool windows while another window can take it, is an inference from these cases",
     hiding_active_window},
    {"destroying_active_window",
     "DestroyWindow on the active ordinary window, with a topmost window in front of it and another ordinary "
     "window (and a hidden one) behind it",
     "As when it hides: the topmost window in front becomes the active and foreground window",
     "Inference: the DestroyWindow page (learn.microsoft.com/windows/win32/api/winuser/nf-winuser-destroywindow) "
     "does not say which window is activated; test_hide_window shows the choice when the active window hides, "
     "and a destroyed window is hidden first (DestroyWindow sends WM_WINDOWPOSCHANGED with SWP_HIDEWINDOW: "
     "Wine dlls/user32/tests/msg.c WmDestroyOverlappedSeq)",
     destroying_active_window},
    {"hidden_owner_is_skipped",
     "ShowWindow(SW_HIDE) on the active window whose owner is hidden (as forms owned by a hidden application "
     "window are)",
     "The hidden owner is not handed the activation: the window behind becomes active",
     "Inference: ShowWindow, SW_HIDE: \"Hides the window and activates another window\" "
     "(learn.microsoft.com/windows/win32/api/winuser/nf-winuser-showwindow). A hidden window can be activated "
     "on request (Wine dlls/user32/tests/win.c test_SetActiveWindow: SetActiveWindow on the invisible hwnd, then "
     "check_wnd_state(hwnd, hwnd, hwnd, 0)), so the skip is the system's choice of the window to hand the "
     "activation to; no Wine test or Microsoft sentence covers an owner that is hidden",
     hidden_owner_is_skipped},
};

}  // namespace

std::span<const Row> activation_rows() { return kRows; }

}  // namespace conformance
