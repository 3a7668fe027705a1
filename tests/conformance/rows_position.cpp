// SetWindowPos with and without SWP_NOACTIVATE and SWP_NOOWNERZORDER,
// owned windows moving with their owner, and the topmost band.
#include "row.h"
#include "stage.h"

namespace conformance {
namespace {

constexpr UINT kKeepRect = plat::SWP_NOMOVE | plat::SWP_NOSIZE;

void raise_visible(Desk& desk, Check& check, UINT flags, std::vector<std::string> z, std::string foreground) {
  Stage stage(desk);
  const HWND below = stage.show({"below", 0, 0, {150, 150, 350, 300}});
  stage.show({"active"});
  stage.os().SetWindowPos(below, plat::HWND_TOP, 0, 0, 0, 0, kKeepRect | flags);
  desk.run_for(50);
  check.equal(stage.z_order(), z, "z-order after SetWindowPos(HWND_TOP)");
  check.that(stage.foreground() == foreground, "the foreground window after SetWindowPos is " + stage.foreground());
}

void swp_top_activates(Desk& d, Check& c) { raise_visible(d, c, 0, {"below", "active"}, "below"); }
void swp_top_noactivate(Desk& d, Check& c) {
  raise_visible(d, c, plat::SWP_NOACTIVATE, {"below", "active"}, "active");
}

// An owner with an owned popup, and a lone window shown after them on top.
struct OwnerScene {
  explicit OwnerScene(Stage& stage)
      : owner(stage.show({"owner"})),
        popup(stage.show({"popup", 0, owner, {150, 150, 350, 300}})),
        lone(stage.show({"lone", 0, 0, {400, 100, 600, 250}})) {}
  HWND owner, popup, lone;
};

void owner_raises_its_owned_windows(Desk& desk, Check& check) {
  Stage stage(desk);
  const OwnerScene scene(stage);
  check.equal(stage.z_order(), {"lone", "popup", "owner"}, "z-order before");
  stage.os().SetWindowPos(scene.owner, plat::HWND_TOP, 0, 0, 0, 0, kKeepRect | plat::SWP_NOACTIVATE);
  desk.run_for(50);
  check.equal(stage.z_order(), {"popup", "owner", "lone"}, "z-order after raising the owner");
}

// The owned popup raised, with extra flags; the z-order that follows.
void raise_popup(Desk& desk, Check& check, UINT flags, const std::vector<std::string>& z) {
  Stage stage(desk);
  const OwnerScene scene(stage);
  stage.os().SetWindowPos(scene.popup, plat::HWND_TOP, 0, 0, 0, 0, kKeepRect | plat::SWP_NOACTIVATE | flags);
  desk.run_for(50);
  check.equal(stage.z_order(), z, "z-order after raising the owned popup");
}

void owned_window_raises_its_owner(Desk& d, Check& c) { raise_popup(d, c, 0, {"popup", "owner", "lone"}); }
void noownerzorder_leaves_the_owner(Desk& d, Check& c) {
  raise_popup(d, c, plat::SWP_NOOWNERZORDER, {"popup", "lone", "owner"});
}

void topmost_band(Desk& desk, Check& check) {
  Stage stage(desk);
  const HWND top = stage.show({"made topmost", 0, 0, {150, 150, 350, 300}});
  const HWND plain = stage.show({"plain"});
  stage.os().SetWindowPos(top, plat::HWND_TOPMOST, 0, 0, 0, 0, kKeepRect | plat::SWP_NOACTIVATE);
  desk.run_for(50);
  check.that(stage.topmost(top), "HWND_TOPMOST did not set WS_EX_TOPMOST");
  check.equal(stage.z_order(), {"made topmost", "plain"}, "z-order after HWND_TOPMOST");
  check.that(stage.foreground() == "plain", "HWND_TOPMOST with SWP_NOACTIVATE moved the activation to " +
                                                stage.foreground());
  stage.os().SetWindowPos(plain, plat::HWND_TOP, 0, 0, 0, 0, kKeepRect);
  desk.run_for(50);
  check.equal(stage.z_order(), {"made topmost", "plain"}, "z-order after HWND_TOP on the ordinary window");
  check.that(stage.foreground() == "plain", "HWND_TOP without SWP_NOACTIVATE did not activate the ordinary window");
  stage.os().SetWindowPos(top, plat::HWND_NOTOPMOST, 0, 0, 0, 0, kKeepRect | plat::SWP_NOACTIVATE);
  desk.run_for(50);
  check.that(!stage.topmost(top), "HWND_NOTOPMOST did not clear WS_EX_TOPMOST");
  check.that(stage.foreground() == "plain", "HWND_NOTOPMOST with SWP_NOACTIVATE moved the activation to " +
                                                stage.foreground());
  check.equal(stage.z_order(), {"made topmost", "plain"}, "z-order after HWND_NOTOPMOST (top of the ordinary band)");
  stage.os().SetWindowPos(top, plat::HWND_TOPMOST, 0, 0, 0, 0, kKeepRect | plat::SWP_NOACTIVATE);
  stage.os().SetWindowPos(top, plat::HWND_BOTTOM, 0, 0, 0, 0, kKeepRect | plat::SWP_NOACTIVATE);
  desk.run_for(50);
  check.that(!stage.topmost(top), "HWND_BOTTOM left WS_EX_TOPMOST on a topmost window");
  check.equal(stage.z_order(), {"plain", "made topmost"}, "z-order after HWND_BOTTOM");
}

void topmost_owner_makes_owned_topmost(Desk& desk, Check& check) {
  Stage stage(desk);
  const OwnerScene scene(stage);
  stage.os().SetWindowPos(scene.owner, plat::HWND_TOPMOST, 0, 0, 0, 0, kKeepRect | plat::SWP_NOACTIVATE);
  desk.run_for(50);
  check.that(stage.topmost(scene.popup), "the owned popup did not become topmost with its owner");
  check.equal(stage.z_order(), {"popup", "owner", "lone"}, "z-order after the owner went topmost");
}

// A program's hidden owner window with two topmost popups, the one in
// front owning a topmost popup of its own (the application window, its
// forms and a form's own window); the other popup is given
// HWND_NOTOPMOST.
void notopmost_takes_the_owner_group_out(Desk& desk, Check& check) {
  Stage stage(desk);
  const HWND app = stage.create({"hidden owner"});
  const HWND bar = stage.show({"bar", plat::WS_EX_TOPMOST, app, {400, 100, 450, 400}});
  const HWND lock = stage.show({"lock", plat::WS_EX_TOPMOST, app});
  const HWND lock_popup = stage.show({"lock's popup", plat::WS_EX_TOPMOST, lock, {150, 150, 350, 300}});
  check.equal(stage.z_order(), {"lock's popup", "lock", "bar"}, "z-order before");
  stage.os().SetWindowPos(bar, plat::HWND_NOTOPMOST, 0, 0, 0, 0, kKeepRect | plat::SWP_NOACTIVATE);
  desk.run_for(50);
  check.that(!stage.topmost(bar), "HWND_NOTOPMOST did not clear the window's own WS_EX_TOPMOST");
  check.that(!stage.topmost(lock), "the other popup of the same owner kept WS_EX_TOPMOST");
  check.that(!stage.topmost(lock_popup), "the popup owned by the other popup kept WS_EX_TOPMOST");
}

// A topmost window placed right behind an ordinary one, both owned by a
// hidden window (as a program's forms are by its application window).
void topmost_behind_an_ordinary_window_leaves_the_band(Desk& desk, Check& check) {
  Stage stage(desk);
  const HWND app = stage.create({"hidden owner"});
  const HWND plain = stage.show({"plain", 0, app, {400, 100, 600, 250}});
  const HWND top = stage.show({"topmost", plat::WS_EX_TOPMOST, app});
  stage.show({"front"});
  check.equal(stage.z_order(), {"topmost", "front", "plain"}, "z-order before");
  stage.os().SetWindowPos(top, plain, 0, 0, 0, 0, kKeepRect | plat::SWP_NOACTIVATE);
  desk.run_for(50);
  check.that(!stage.topmost(top), "the window placed behind an ordinary window kept WS_EX_TOPMOST");
  check.equal(stage.z_order(), {"front", "plain", "topmost"}, "z-order after");
  check.that(stage.foreground() == "front", "SWP_NOACTIVATE moved the activation to " + stage.foreground());
}

const Row kRows[] = {
    {"swp_top_activates", "SetWindowPos(HWND_TOP, SWP_NOMOVE|SWP_NOSIZE) on a visible window below the active one",
     "Raises it and activates it",
     "SetWindowPos, SWP_NOACTIVATE: \"If this flag is not set, the window is activated and moved to the top of "
     "either the topmost or non-topmost group\" (learn.microsoft.com/windows/win32/api/winuser/"
     "nf-winuser-setwindowpos); Wine dlls/user32/tests/win.c test_SetWindowPos: SetWindowPos(hwnd2, hwnd, 0, 0, "
     "0, 0, SWP_NOMOVE|SWP_NOSIZE) then check_active_state(hwnd2, hwnd2, hwnd2); Wine dlls/user32/tests/msg.c "
     "WmShowVisiblePopupSeq_3: SetWindowPos without SWP_NOACTIVATE on a visible popup sends HCBT_ACTIVATE and "
     "WM_ACTIVATE",
     swp_top_activates},
    {"swp_top_noactivate", "The same with SWP_NOACTIVATE",
     "Raises it; the active window keeps the activation",
     "SetWindowPos, SWP_NOACTIVATE: \"Does not activate the window\"; Wine dlls/user32/tests/win.c "
     "test_popup_zorder: SetWindowPos(hwnd_F, HWND_TOP, ..., SWP_NOACTIVATE) reorders without activating",
     swp_top_noactivate},
    {"owner_raises_its_owned_windows",
     "SetWindowPos(HWND_TOP, SWP_NOACTIVATE) on an owner whose owned popup stands below another window",
     "The owner comes to the top with its owned popup still above it",
     "Window Features, Owned Windows: \"An owned window is always above its owner in the z-order\" "
     "(learn.microsoft.com/windows/win32/winmsg/window-features); Wine dlls/user32/tests/win.c "
     "test_popup_zorder, \"move hwnd_F and its popups up\"",
     owner_raises_its_owned_windows},
    {"owned_window_raises_its_owner", "SetWindowPos(HWND_TOP, SWP_NOACTIVATE) on an owned popup",
     "The popup comes to the top and its owner comes along right below it",
     "Inference: SetWindowPos, SWP_NOOWNERZORDER: \"Does not change the owner window's position in the Z "
     "order\" (learn.microsoft.com/windows/win32/api/winuser/nf-winuser-setwindowpos) implies that without "
     "the flag the owner moves; no Microsoft sentence says where it goes and no test in Wine's "
     "dlls/user32/tests/win.c raises an owned window without the flag",
     owned_window_raises_its_owner},
    {"noownerzorder_leaves_the_owner", "The same with SWP_NOOWNERZORDER",
     "Only the popup moves; its owner keeps its place",
     "SetWindowPos, SWP_NOOWNERZORDER: \"Does not change the owner window's position in the Z order\"",
     noownerzorder_leaves_the_owner},
    {"topmost_band",
     "HWND_TOPMOST, then HWND_TOP on an ordinary window, HWND_NOTOPMOST, and HWND_BOTTOM on a topmost window",
     "HWND_TOPMOST sets WS_EX_TOPMOST and places the window above every non-topmost window, where HWND_TOP on "
     "an ordinary window cannot pass it; HWND_NOTOPMOST clears the style and places the window at the top of "
     "the ordinary windows; HWND_BOTTOM takes a topmost window out of the band to the bottom. With "
     "SWP_NOACTIVATE none of these changes of band moves the activation",
     "SetWindowPos, hWndInsertAfter: HWND_TOPMOST \"Places the window above all non-topmost windows\", "
     "HWND_NOTOPMOST \"above all non-topmost windows (that is, behind all topmost windows)\", HWND_BOTTOM \"If "
     "the hWnd parameter identifies a topmost window, the window loses its topmost status and is placed at the "
     "bottom of all other windows\"; SWP_NOACTIVATE: \"Does not activate the window\" "
     "(learn.microsoft.com/windows/win32/api/winuser/nf-winuser-setwindowpos); Wine dlls/user32/tests/win.c "
     "test_topmost: swp_after(hwnd, HWND_TOPMOST) then check_z_order(hwnd, hwnd2, 0, owner, TRUE), "
     "swp_after(hwnd, HWND_NOTOPMOST) then check_z_order(hwnd, hwnd2, 0, owner, FALSE)",
     topmost_band},
    {"topmost_owner_makes_owned_topmost", "SetWindowPos(HWND_TOPMOST) on an owner with an owned popup",
     "The owned popup becomes topmost too and stays above its owner",
     "SetWindowPos, Remarks: \"When a non-topmost window is made topmost, its owned windows are also made "
     "topmost. Its owners, however, are not changed\" (learn.microsoft.com/windows/win32/api/winuser/"
     "nf-winuser-setwindowpos)",
     topmost_owner_makes_owned_topmost},
    {"notopmost_takes_the_owner_group_out",
     "A hidden owner with two topmost popups, one of them owning a topmost popup; HWND_NOTOPMOST (with "
     "SWP_NOACTIVATE) on the other popup",
     "Every window of the owner group leaves the topmost band: the window given HWND_NOTOPMOST, the other "
     "popup of the same owner and the popup that one owns (Windows 8 and later; Windows 7 kept the band of a "
     "window owned by a sibling). Where the others land in the ordinary band no test shows",
     "Wine dlls/user32/tests/win.c test_topmost: after swp_after(hwnd_child, HWND_NOTOPMOST), "
     "ok(!is_topmost(hwnd_child2)) (the other popup of the same owner), and after "
     "swp_after(hwnd_child2, HWND_NOTOPMOST) with only hwnd_grandchild topmost, ok(is_topmost(hwnd_grandchild) "
     "|| broken(!is_topmost(hwnd_grandchild)) /* win8+ */) (a window owned by the other popup loses the band "
     "from Windows 8 on). That the owner's other popup goes when the owner itself is not topmost is an "
     "inference from the second case",
     notopmost_takes_the_owner_group_out},
    {"topmost_behind_an_ordinary_window_leaves_the_band",
     "SetWindowPos(topmost window, ordinary window, SWP_NOACTIVATE), both owned by the same hidden window",
     "The window loses WS_EX_TOPMOST and stands right behind the ordinary window; the activation stays where "
     "it was",
     "SetWindowPos, SWP_NOACTIVATE: \"Does not activate the window\"; Wine dlls/user32/tests/win.c "
     "test_topmost: swp_after(hwnd, HWND_TOPMOST), then swp_after(hwnd, hwnd2) with hwnd2 not topmost, then "
     "todo_wine ok(!is_topmost(hwnd)) and check_z_order(hwnd, 0, hwnd2, owner, FALSE) (run only on Windows). "
     "That call activates the window (no SWP_NOACTIVATE), and its todo_wine is Wine's there; with "
     "SWP_NOACTIVATE, as the program places its windows, Wine 8 here was measured to hold the row",
     topmost_behind_an_ordinary_window_leaves_the_band},
};

}  // namespace

std::span<const Row> position_rows() { return kRows; }

}  // namespace conformance
