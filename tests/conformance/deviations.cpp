#include "deviations.h"

#include <string>

#include "row.h"

namespace conformance {

const std::map<std::string_view, std::string_view>& sim_deviations() {
  // None today; a rule the simulated desktop breaks goes here, with how.
  static const std::map<std::string_view, std::string_view> list;
  return list;
}

const std::map<std::string_view, std::string_view>& wine_deviations() {
  static const std::map<std::string_view, std::string_view> list = {
      {"owned_window_raises_its_owner",
       "the owner keeps its place, as with SWP_NOOWNERZORDER; measured under Wine 8 here, and no test in Wine's "
       "dlls/user32/tests/win.c covers raising an owned window without the flag"},
      {"set_foreground_window",
       "the window becomes the foreground window but keeps its place in the z-order; measured under Wine 8 "
       "with the prefix's X11 driver unmanaged (no window manager to raise it); Wine's "
       "dlls/user32/tests/win.c test_SetForegroundWindow checks the activation only, not the z-order"},
      {"hiding_active_window",
       "the window right behind the one hidden is activated, not the topmost window in front; Wine "
       "dlls/user32/tests/win.c test_hide_window marks check_active_state(hwnd3, hwnd3, hwnd3) todo_wine"},
      {"destroying_active_window",
       "the window right behind the one destroyed is activated, as when it hides (test_hide_window's "
       "todo_wine check_active_state(hwnd3, hwnd3, hwnd3))"},
      {"notopmost_takes_the_owner_group_out",
       "the popup owned by the other popup keeps WS_EX_TOPMOST, as on Windows 7: Wine dlls/user32/tests/win.c "
       "test_topmost expects it (ok(is_topmost(hwnd_grandchild) || broken(...) /* win8+ */)) and marks "
       "ok(!is_topmost(hwnd_grandchild)) todo_wine where the group leaves the band from the grandchild's owner's "
       "owner"},
      {"click_activates_and_raises",
       "the clicked window is activated but keeps its place in the z-order; measured under Wine 8 with the "
       "prefix's X11 driver unmanaged; no Wine test covers the z-order after a click"},
  };
  return list;
}

namespace {

std::string status(const std::map<std::string_view, std::string_view>& list, std::string_view id) {
  const auto it = list.find(id);
  return it == list.end() ? "holds" : "differs: " + std::string(it->second);
}

}  // namespace

std::string markdown_table() {
  std::string out;
  for (const Row& row : rows()) {
    out += "### `" + std::string(row.id) + "`\n\n";
    out += "- Situation: " + std::string(row.situation) + ".\n";
    out += "- Windows: " + std::string(row.windows_does) + ".\n";
    out += "- Evidence: " + std::string(row.evidence) + ".\n";
    out += "- Simulated desktop: " + status(sim_deviations(), row.id) + ".\n";
    out += "- Wine: " + status(wine_deviations(), row.id) + ".\n\n";
  }
  return out;
}

}  // namespace conformance
