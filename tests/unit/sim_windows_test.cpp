// Window lookup across processes, frames, and layered-window rules of the
// simulated desktop.
#include <gtest/gtest.h>

#include "platform/sim/desktop.h"

namespace {

using namespace plat;
using sim::Desktop;

TEST(SimWindows, FindWindowSearchesEveryProcessVisibleOrNot) {
  Desktop d;
  WindowParams ours;
  ours.name = "frmMenu";
  ours.class_name = "SlatebarApp";
  ours.caption = "Slatebar";
  d.create_window(ours, nullptr);
  const HWND hidden_bar = d.add_foreign_window({.class_name = "SlatebarCLS", .title = "", .visible = false});
  const HWND notepad = d.add_foreign_window({.class_name = "Notepad", .title = "Untitled - Notepad"});
  const HWND top = d.add_foreign_window({.class_name = "Notepad", .title = "Top", .ex_style = WS_EX_TOPMOST});

  struct Row {
    const char* class_name;
    const char* title;
    HWND expected;
  };
  const std::vector<Row> rows = {
      {"SlatebarCLS", nullptr, hidden_bar},
      {"slatebarcls", nullptr, hidden_bar},
      {"SlatebarCLS", "", hidden_bar},
      {"SlatebarCLS", "x", 0},
      {"Notepad", nullptr, top},
      {nullptr, "untitled - notepad", notepad},
      {nullptr, nullptr, top},
      {"SlatebarApp", "Slatebar", d.find_by_name("frmMenu")},
      {"Slatebar", nullptr, 0},
  };
  for (const Row& r : rows) {
    EXPECT_EQ(d.FindWindowA(r.class_name, r.title), r.expected)
        << (r.class_name ? r.class_name : "(any)") << " / " << (r.title ? r.title : "(any)");
  }
  d.close_foreign_window(hidden_bar);
  EXPECT_EQ(d.FindWindowA("SlatebarCLS", nullptr), 0u);
}

TEST(SimWindows, ClientAreaAndAdjustWindowRectAgree) {
  Desktop d;
  struct Row {
    DWORD style;
    DWORD ex_style;
    RECT outer_of_100x50;
  };
  const std::vector<Row> rows = {
      {WS_POPUP, 0, {0, 0, 100, 50}},
      {WS_POPUP | WS_BORDER, 0, {-1, -1, 101, 51}},
      {WS_CAPTION, 0, {-3, -22, 103, 53}},
      {WS_CAPTION | WS_THICKFRAME, 0, {-4, -23, 104, 54}},
      {WS_POPUP | WS_THICKFRAME, sim::WS_EX_CLIENTEDGE, {-6, -6, 106, 56}},
  };
  for (const Row& r : rows) {
    RECT rect{0, 0, 100, 50};
    d.AdjustWindowRectEx(&rect, r.style, sim::FALSE, r.ex_style);
    EXPECT_EQ(rect, r.outer_of_100x50) << sim::hex32(r.style);
    WindowParams p;
    p.style = r.style;
    p.ex_style = r.ex_style;
    p.bounds = {10, 10, 10 + rect.right - rect.left, 10 + rect.bottom - rect.top};
    const HWND h = d.create_window(p, nullptr);
    RECT client;
    d.GetClientRect(h, &client);
    EXPECT_EQ(client, (RECT{0, 0, 100, 50})) << sim::hex32(r.style);
  }
  EXPECT_EQ(d.GetSystemMetrics(SM_CXFRAME) + d.GetSystemMetrics(SM_CXPADDEDBORDER), 4);
  EXPECT_EQ(d.GetSystemMetrics(SM_CYCAPTION), 19);
}

// SetLayeredWindowAttributes and UpdateLayeredWindow exclude each other
// until the layered style is taken off and put back, as on Windows.
TEST(SimWindows, LayeredWindowsTakeOneOfTheTwoWays) {
  Desktop d;
  WindowParams p;
  p.name = "frmSplash";
  const HWND h = d.create_window(p, nullptr);
  const Image picture = Image::blank(389, 316);
  const SIZE size{389, 316};
  const POINT origin{};
  BLENDFUNCTION blend{AC_SRC_OVER, 0, 8, AC_SRC_ALPHA};
  EXPECT_FALSE(d.SetLayeredWindowAttributes(h, 0, 128, LWA_ALPHA)) << "not layered yet";
  d.SetWindowLongA(h, GWL_EXSTYLE, static_cast<LONG>(WS_EX_LAYERED));
  EXPECT_TRUE(d.UpdateLayeredWindow(h, nullptr, &size, picture, &origin, 0, &blend, ULW_ALPHA));
  EXPECT_FALSE(d.GetLayeredWindowAttributes(h, nullptr, nullptr, nullptr));
  EXPECT_TRUE(d.SetLayeredWindowAttributes(h, 0, 128, LWA_ALPHA));
  EXPECT_FALSE(d.UpdateLayeredWindow(h, nullptr, &size, picture, &origin, 0, &blend, ULW_ALPHA));
  d.SetWindowLongA(h, GWL_EXSTYLE, 0);
  d.SetWindowLongA(h, GWL_EXSTYLE, static_cast<LONG>(WS_EX_LAYERED));
  EXPECT_TRUE(d.UpdateLayeredWindow(h, nullptr, &size, picture, &origin, 0, &blend, ULW_ALPHA));
  ASSERT_EQ(d.window(h).layered_updates.size(), 1u);
  EXPECT_EQ(d.window(h).layered_updates[0].alpha, 8);
  RECT r;
  d.GetWindowRect(h, &r);
  EXPECT_EQ(r.right - r.left, 389);
}

TEST(SimWindows, SetWindowLongKeepsTheTopmostBitToSetWindowPos) {
  Desktop d;
  WindowParams p;
  const HWND h = d.create_window(p, nullptr);
  d.SetWindowLongA(h, GWL_EXSTYLE, static_cast<LONG>(WS_EX_TOPMOST | WS_EX_TOOLWINDOW));
  EXPECT_EQ(static_cast<DWORD>(d.GetWindowLongA(h, GWL_EXSTYLE)), WS_EX_TOOLWINDOW);
  d.SetWindowPos(h, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  d.SetWindowLongA(h, GWL_EXSTYLE, static_cast<LONG>(WS_EX_LAYERED));
  EXPECT_EQ(static_cast<DWORD>(d.GetWindowLongA(h, GWL_EXSTYLE)), WS_EX_LAYERED | WS_EX_TOPMOST);
}

TEST(SimWindows, DestroyingAnOwnerDestroysWhatItOwnsFirst) {
  Desktop d;
  WindowParams p;
  p.name = "Application";
  const HWND app = d.create_window(p, nullptr);
  p.owner = app;
  p.name = "frmMenu";
  const HWND menu = d.create_window(p, nullptr);
  p.name = "frmClock";
  d.create_window(p, nullptr);
  d.log().clear();
  EXPECT_TRUE(d.recorded().DestroyWindow(app));
  EXPECT_EQ(d.events(), (std::vector<std::string>{"DestroyWindow Application", "destroyed frmClock", "destroyed frmMenu"}));
  EXPECT_FALSE(d.DestroyWindow(menu));
  EXPECT_EQ(d.GetLastError(), sim::ERROR_INVALID_WINDOW_HANDLE);
}

}  // namespace
