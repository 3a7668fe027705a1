// Z-order with the topmost band, as a table of steps and the order after
// each (topmost windows marked with *), with the foreground window.
#include <gtest/gtest.h>

#include "platform/sim/desktop.h"

namespace {

using namespace plat;
using sim::Desktop;

std::string bands(Desktop& d) {
  std::string out;
  for (HWND h : d.z_order()) {
    const sim::Window& w = d.window(h);
    out += (out.empty() ? "" : " ") + w.name + (w.topmost() ? "*" : "") + (w.visible() ? "" : "(hidden)");
  }
  return out;
}

TEST(SimZOrder, SetWindowPosAndShowWindowKeepTheBands) {
  Desktop d;
  auto make = [&](const char* name, DWORD ex) {
    WindowParams p;
    p.name = name;
    p.style = WS_POPUP | WS_VISIBLE;
    p.ex_style = ex;
    p.bounds = {0, 0, 10, 10};
    return d.create_window(p, nullptr);
  };
  const HWND a = make("A", 0);
  const HWND b = make("B", 0);
  const HWND f = d.add_foreign_window({.class_name = "Notepad", .title = "F"});
  const HWND t = make("T", WS_EX_TOPMOST);
  const HWND u = make("U", WS_EX_TOPMOST);
  ASSERT_EQ(bands(d), "U* T* F B A");
  constexpr UINT keep = SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE;

  struct Step {
    const char* what;
    std::function<void()> run;
    std::string z;
    std::string foreground;
  };
  const std::vector<Step> steps = {
      {"HWND_TOPMOST: top of the topmost band", [&] { d.SetWindowPos(a, HWND_TOPMOST, 0, 0, 0, 0, keep); },
       "A* U* T* F B", "0"},
      {"HWND_TOPMOST again on the lowest topmost raises it", [&] { d.SetWindowPos(t, HWND_TOPMOST, 0, 0, 0, 0, keep); },
       "T* A* U* F B", "0"},
      {"HWND_NOTOPMOST: top of the ordinary band", [&] { d.SetWindowPos(a, HWND_NOTOPMOST, 0, 0, 0, 0, keep); },
       "T* U* A F B", "0"},
      {"HWND_NOTOPMOST on an ordinary window changes nothing",
       [&] { d.SetWindowPos(b, HWND_NOTOPMOST, 0, 0, 0, 0, keep); }, "T* U* A F B", "0"},
      {"HWND_TOP stays in its band", [&] { d.SetWindowPos(b, HWND_TOP, 0, 0, 0, 0, keep); }, "T* U* B A F", "0"},
      {"HWND_BOTTOM drops the topmost flag", [&] { d.SetWindowPos(u, HWND_BOTTOM, 0, 0, 0, 0, keep); },
       "T* B A F U", "0"},
      {"an ordinary window placed behind another",
       [&] {
         d.SetWindowPos(t, HWND_NOTOPMOST, 0, 0, 0, 0, keep);
         d.SetWindowPos(t, a, 0, 0, 0, 0, keep);
       },
       "B A T F U", "0"},
      {"inside the topmost band an ordinary window becomes topmost",
       [&] {
         d.SetWindowPos(a, HWND_TOPMOST, 0, 0, 0, 0, keep);
         d.SetWindowPos(b, HWND_TOPMOST, 0, 0, 0, 0, keep);
         d.SetWindowPos(u, b, 0, 0, 0, 0, keep);
       },
       "B* U* A* T F", "0"},
      {"right behind the last topmost window an ordinary one stays ordinary",
       [&] { d.SetWindowPos(f, a, 0, 0, 0, 0, keep); }, "B* U* A* F T", "0"},
      {"right behind the last topmost window a topmost one stays topmost",
       [&] { d.SetWindowPos(b, a, 0, 0, 0, 0, keep); }, "U* A* B* F T", "0"},
      {"SWP_NOZORDER ignores the window to go behind",
       [&] { d.SetWindowPos(t, HWND_TOPMOST, 5, 5, 0, 0, SWP_NOZORDER | SWP_NOSIZE | SWP_NOACTIVATE); },
       "U* A* B* F T", "0"},
      {"without SWP_NOACTIVATE the window is activated, not raised",
       [&] { d.SetWindowPos(t, 0, 0, 0, 0, 0, SWP_NOZORDER | SWP_NOMOVE | SWP_NOSIZE); }, "U* A* B* F T", "T"},
      {"SW_HIDE passes the activation to our topmost visible window", [&] { d.ShowWindow(t, SW_HIDE); },
       "U* A* B* F T(hidden)", "U"},
      {"SW_SHOWNOACTIVATE raises a hidden window without activating it",
       [&] { d.ShowWindow(t, SW_SHOWNOACTIVATE); }, "U* A* B* T F", "U"},
      {"SW_SHOW on a visible window does nothing",
       [&] {
         d.SetWindowPos(t, HWND_BOTTOM, 0, 0, 0, 0, keep);
         d.ShowWindow(t, SW_SHOW);
       },
       "U* A* B* F T", "U"},
      {"SW_SHOWNORMAL raises and activates", [&] { d.ShowWindow(t, SW_SHOWNORMAL); }, "U* A* B* T F", "T"},
      {"SW_SHOW of a hidden window raises and activates",
       [&] {
         d.ShowWindow(b, SW_HIDE);
         d.ShowWindow(b, SW_SHOW);
       },
       "B* U* A* T F", "B"},
      {"SWP_HIDEWINDOW hides and passes the activation", [&] { d.SetWindowPos(b, 0, 0, 0, 0, 0, keep | SWP_HIDEWINDOW); },
       "B*(hidden) U* A* T F", "U"},
      {"the foreground window going away passes the activation", [&] { d.DestroyWindow(u); }, "B*(hidden) A* T F",
       "A"},
  };
  for (const Step& s : steps) {
    s.run();
    EXPECT_EQ(bands(d), s.z) << s.what;
    EXPECT_EQ(d.name_of(d.GetForegroundWindow()), s.foreground) << s.what;
  }
}

TEST(SimZOrder, TheDesktopWalkSeesEveryTopLevelWindowInOrder) {
  Desktop d;
  WindowParams p;
  p.name = "hidden";
  d.create_window(p, nullptr);
  d.add_foreign_window({.class_name = "Other", .title = "visible"});
  p.name = "top";
  p.ex_style = WS_EX_TOPMOST;
  d.create_window(p, nullptr);
  std::vector<std::string> walk;
  for (HWND h = d.GetWindow(d.GetDesktopWindow(), GW_CHILD); h; h = d.GetWindow(h, GW_HWNDNEXT)) {
    walk.push_back(d.name_of(h));
  }
  EXPECT_EQ(walk, (std::vector<std::string>{"top", "visible", "hidden"}));
}

}  // namespace
