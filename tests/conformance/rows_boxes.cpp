// Message boxes: real windows with an owner, a place in the z-order, the
// activation, and a modal loop that runs timers and disables the owner.
#include <string>

#include "row.h"
#include "stage.h"

namespace conformance {
namespace {

constexpr const char* kCaption = "Conformance box";

void box_is_an_owned_active_window(Desk& desk, Check& check) {
  Stage stage(desk);
  const HWND owner = stage.show({"owner"});
  desk.message_box(owner, "A box", kCaption, plat::MB_OK, 200, [&](HWND box) {
    check.that(box != 0, "no window of class #32770 with the box's caption while it is open");
    if (!box) return;
    stage.name(box, "box");
    check.that(stage.os().GetWindow(box, kGwOwner) == owner, "the box's owner is not the window passed to MessageBoxA");
    check.equal(stage.z_order(), {"box", "owner"}, "z-order while the box is open");
    check.that(stage.foreground() == "box", "the foreground window while the box is open is " + stage.foreground());
  });
}

void box_disables_owner_and_runs_timers(Desk& desk, Check& check) {
  Stage stage(desk);
  const HWND owner = stage.show({"owner"});
  stage.os().SetTimer(owner, 1, 50);
  int ticks_before = 0;
  desk.message_box(owner, "A box", kCaption, plat::MB_OK, 400, [&](HWND) {
    check.that(!stage.os().IsWindowEnabled(owner), "the owner is enabled while the box is open");
    ticks_before = stage.ticks(owner);
    check.that(ticks_before >= 3, "the owner's 50 ms timer ticked " + std::to_string(ticks_before) +
                                      " times in the box's first 400 ms");
  });
  stage.os().KillTimer(owner, 1);
  check.that(stage.os().IsWindowEnabled(owner) != 0, "the owner is still disabled after the box closed");
  desk.run_for(50);
  check.that(stage.foreground() == "owner", "after the box closed the foreground window is " + stage.foreground());
}

void box_stays_out_of_the_topmost_band(Desk& desk, Check& check) {
  Stage stage(desk);
  const HWND owner = stage.show({"owner"});
  const HWND top = stage.create({"topmost", plat::WS_EX_TOPMOST});
  stage.os().ShowWindow(top, plat::SW_SHOWNA);
  desk.run_for(50);
  stage.os().SetForegroundWindow(owner);
  desk.message_box(owner, "A box", kCaption, plat::MB_OK, 200, [&](HWND box) {
    if (!box) {
      check.that(false, "no box window to place in the z-order");
      return;
    }
    stage.name(box, "box");
    check.equal(stage.z_order(), {"topmost", "box", "owner"}, "z-order while the box is open");
    check.that(!stage.topmost(box), "the box has WS_EX_TOPMOST without MB_TOPMOST");
  });
}

void box_owned_by_topmost_window_is_topmost(Desk& desk, Check& check) {
  Stage stage(desk);
  const HWND other = stage.create({"other topmost", plat::WS_EX_TOPMOST});
  stage.os().ShowWindow(other, plat::SW_SHOWNA);
  const HWND owner = stage.create({"topmost owner", plat::WS_EX_TOPMOST});
  stage.os().ShowWindow(owner, plat::SW_SHOW);
  desk.run_for(50);
  desk.message_box(owner, "A box", kCaption, plat::MB_OK, 200, [&](HWND box) {
    if (!box) {
      check.that(false, "no box window to place in the z-order");
      return;
    }
    stage.name(box, "box");
    check.that(stage.topmost(box), "a box owned by a topmost window is not topmost");
    check.equal(stage.z_order(), {"box", "topmost owner", "other topmost"}, "z-order while the box is open");
  });
}

const Row kRows[] = {
    {"box_is_an_owned_active_window",
     "MessageBoxA(owner) while the owner is the active window; looked at from inside the box's loop",
     "The box is a top-level window of the dialog class #32770 whose owner is the window passed; it stands "
     "above its owner and is the foreground window",
     "MessageBox: hWnd is \"a handle to the owner window of the message box\" "
     "(learn.microsoft.com/windows/win32/api/winuser/nf-winuser-messagebox); Using Dialog Boxes: \"the system "
     "creates a modal dialog box\" (learn.microsoft.com/windows/win32/dlgbox/using-dialog-boxes); Window "
     "Features, Owned Windows: \"an owned window is always above its owner in the z-order\" "
     "(learn.microsoft.com/windows/win32/winmsg/window-features). That the box is the foreground window is an "
     "inference: a dialog box shown from the foreground process is activated like any window shown with "
     "SW_SHOW (see sw_show_hidden); no test in Wine's dlls/user32/tests reads the foreground window from "
     "inside MessageBox",
     box_is_an_owned_active_window},
    {"box_disables_owner_and_runs_timers",
     "A box held open 400 ms over an owner with a 50 ms timer",
     "The owner is disabled while the box is open and enabled after; the box's modal loop dispatches the "
     "thread's messages, so the owner's timer keeps ticking; when the box closes the owner is active again",
     "DialogBox: \"disables the owner window, and starts its own message loop to retrieve and dispatch "
     "messages ... enables the owner window (if previously enabled)\" "
     "(learn.microsoft.com/windows/win32/api/winuser/nf-winuser-dialogboxa); Wine dlls/user32/tests/win.c "
     "test_SetActiveWindow (destroying the active owned popup activates its owner)",
     box_disables_owner_and_runs_timers},
    {"box_stays_out_of_the_topmost_band",
     "A box owned by an ordinary window while a topmost window of the same program is shown",
     "The box is not topmost (only MB_TOPMOST makes it so), so it stands behind every topmost window, "
     "in the z-order and on the screen, though it is the active window",
     "MessageBox, MB_TOPMOST: \"The message box is created with the WS_EX_TOPMOST window style\"; Window "
     "Features, Z-Order: \"All topmost windows appear in the z-order before any non-topmost windows\"",
     box_stays_out_of_the_topmost_band},
    {"box_owned_by_topmost_window_is_topmost",
     "A box owned by a topmost window, with another topmost window shown",
     "The box is topmost and stands above its owner, at the top of the topmost band",
     "Window Features, Owned Windows: \"An owned window is always above its owner in the z-order\" "
     "(learn.microsoft.com/windows/win32/winmsg/window-features); a window placed in front of a topmost window "
     "is in the topmost band and is made topmost (devblogs.microsoft.com/oldnewthing/20170914-00/?p=97025: "
     "\"a window can become topmost is if you pass a topmost window as the hwndInsertAfter\"). Wine "
     "dlls/user32/tests/win.c test_topmost shows the same for owned windows that exist already: "
     "swp_after(hwnd_child, HWND_TOPMOST), then ok(is_topmost(hwnd_grandchild)). For a box made after its owner "
     "went topmost this is an inference from the two",
     box_owned_by_topmost_window_is_topmost},
};

}  // namespace

std::span<const Row> box_rows() { return kRows; }

}  // namespace conformance
