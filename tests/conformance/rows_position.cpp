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
  stage.os().SetWindowPos(plain, plat::HWND_TOP, 0, 0, 0, 0, kKeepRect);
  desk.run_for(50);
  check.equal(stage.z_order(), {"made topmost", "plain"}, "z-order after HWND_TOP on the ordinary window");
  check.that(stage.foreground() == "plain", "HWND_TOP without SWP_NOACTIVATE did not activate the ordinary window");
  stage.os().SetWindowPos(top, plat::HWND_NOTOPMOST, 0, 0, 0, 0, kKeepRect | plat::SWP_NOACTIVATE);
  desk.run_for(50);
  check.that(!stage.topmost(top), "HWND_NOTOPMOST did not clear WS_EX_TOPMOST");
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
     "SetWindowPos, SWP_NOOWNERZORDER: \"Does not change the owner window's position in the Z order\" (so "
     "without it the owner moves with the owned window) (learn.microsoft.com/windows/win32/api/winuser/"
     "nf-winuser-setwindowpos)",
     owned_window_raises_its_owner},
    {"noownerzorder_leaves_the_owner", "The same with SWP_NOOWNERZORDER",
     "Only the popup moves; its owner keeps its place",
     "SetWindowPos, SWP_NOOWNERZORDER: \"Does not change the owner window's position in the Z order\"",
     noownerzorder_leaves_the_owner},
    {"topmost_band",
     "HWND_TOPMOST, then HWND_TOP on an ordinary window, HWND_NOTOPMOST, and HWND_BOTTOM on a topmost window",
     "HWND_TOPMOST sets WS_EX_TOPMOST and places the window above every non-topmost window, where HWND_TOP on "
     "an ordinary window cannot pass it; HWND_NOTOPMOST clears the style and places the window at the top of "
     "the ordinary windows; HWND_BOTTOM takes a topmost window out of the band to the bottom",
     "SetWindowPos, hWndInsertAfter: HWND_TOPMOST \"Places the window above all non-topmost windows\", "
     "HWND_NOTOPMOST \"above all non-topmost windows (that is, behind all topmost windows)\", HWND_BOTTOM \"If "
     "the hWnd parameter identifies a topmost window, the window loses its topmost status and is placed at the "
     "bottom of all other windows\" (learn.microsoft.com/windows/win32/api/winuser/nf-winuser-setwindowpos)",
     topmost_band},
    {"topmost_owner_makes_owned_topmost", "SetWindowPos(HWND_TOPMOST) on an owner with an owned popup",
     "The owned popup becomes topmost too and stays above its owner",
     "SetWindowPos, Remarks: \"When a non-topmost window is made topmost, its owned windows are also made "
     "topmost. Its owners, however, are not changed\" (learn.microsoft.com/windows/win32/api/winuser/"
     "nf-winuser-setwindowpos)",
     topmost_owner_makes_owned_topmost},
};

}  // namespace

std::span<const Row> position_rows() { return kRows; }

}  // namespace conformance
