// Mouse routing, capture and activation on the simulated desktop.
#include <gtest/gtest.h>

#include "platform/sim/desktop.h"
#include "sim_probe.h"

namespace {

using namespace plat;
using sim::Desktop;
using sim_test::Probe;

// Our windows, bottom to top:
//   Base     0,0 - 400,300 popup that is never activated (WS_EX_NOACTIVATE)
//   Framed   200,100 - 300,200, caption and sizing frame (client origin 204,123)
//   Off      300,0 - 400,50 disabled
//   Ghost    50,50 - 150,150 layered and transparent, topmost
//   Pass     0,200 - 100,240 answers HTTRANSPARENT
// and a foreign window Other at 0,250 - 100,300 above Base.
struct RoutingTest : ::testing::Test {
  Desktop d;
  std::vector<std::string> events;
  Probe base{"Base", events}, framed{"Framed", events}, off{"Off", events}, ghost{"Ghost", events},
      pass{"Pass", events};
  HWND hbase = 0, hframed = 0, hoff = 0, hghost = 0, hpass = 0, hother = 0;

  HWND make(const char* name, Probe& sink, RECT r, DWORD style, DWORD ex = 0) {
    WindowParams p;
    p.name = name;
    p.style = style | WS_VISIBLE;
    p.ex_style = ex;
    p.bounds = r;
    return d.create_window(p, &sink);
  }

  void SetUp() override {
    hbase = make("Base", base, {0, 0, 400, 300}, WS_POPUP, sim::WS_EX_NOACTIVATE);
    hother = d.add_foreign_window({.class_name = "Other", .title = "Other", .bounds = {0, 250, 100, 300}});
    hframed = make("Framed", framed, {200, 100, 300, 200}, WS_CAPTION | WS_THICKFRAME);
    hoff = make("Off", off, {300, 0, 400, 50}, WS_POPUP | WS_DISABLED);
    hghost = make("Ghost", ghost, {50, 50, 150, 150}, WS_POPUP, WS_EX_LAYERED | WS_EX_TRANSPARENT | WS_EX_TOPMOST);
    hpass = make("Pass", pass, {0, 200, 100, 240}, WS_POPUP);
    pass.hit_test = sim::HTTRANSPARENT;
    d.pump_pending();  // first paints
    events.clear();
  }

  // A click at a point, and what our windows got of it.
  std::vector<std::string> click(int x, int y, MouseButton b = MouseButton::Left) {
    events.clear();
    d.move_pointer(x, y);
    d.press(b);
    d.release(b);
    d.pump_pending();
    std::vector<std::string> got;
    for (const auto& e : events) {
      if (e.find(" move ") == std::string::npos) got.push_back(e);
    }
    return got;
  }
};

TEST_F(RoutingTest, PressesGoToTheWindowUnderThePointerInClientCoordinates) {
  struct Row {
    const char* what;
    POINT at;
    std::vector<std::string> events;
    std::string foreground;
  };
  const std::vector<Row> rows = {
      {"plain popup", {10, 10}, {"Base down L 10,10", "Base up L 10,10"}, "0"},
      {"through a click-through window", {60, 60}, {"Base down L 60,60", "Base up L 60,60"}, "0"},
      {"inside a frame and caption: activated and raised first",
       {210, 130},
       {"Ghost activate app", "Framed activate app", "Pass activate app", "Off activate app", "Base activate app",
        "Framed down L 6,7", "Framed up L 6,7"},
       "Framed"},
      {"on a caption: no client press", {210, 110}, {}, "Framed"},
      {"a disabled window swallows the press", {310, 10}, {}, "Framed"},
      {"past a window answering HTTRANSPARENT", {10, 210}, {"Base down L 10,210", "Base up L 10,210"}, "Framed"},
      {"on another process's window",
       {10, 260},
       {"Ghost deactivate app", "Framed deactivate app", "Pass deactivate app", "Off deactivate app",
        "Base deactivate app"},
       "Other"},
  };
  for (const Row& row : rows) {
    EXPECT_EQ(click(row.at.x, row.at.y), row.events) << row.what;
    EXPECT_EQ(d.name_of(d.GetForegroundWindow()), row.foreground) << row.what;
  }
}

TEST_F(RoutingTest, TheCaptureWindowGetsEverythingUntilReleased) {
  d.SetCapture(hbase);
  EXPECT_EQ(click(250, 150), (std::vector<std::string>{"Base down L 250,150", "Base up L 250,150"}));
  d.SetCapture(hframed);
  EXPECT_EQ(events.back(), "Base capture lost");
  events.clear();
  d.move_pointer(10, 10);
  d.pump_pending();
  EXPECT_EQ(events, (std::vector<std::string>{"Framed move -194,-113"}));
  d.ReleaseCapture();
  EXPECT_EQ(d.GetCapture(), 0u);
  EXPECT_EQ(events.back(), "Framed capture lost");
}

// A message box's modal loop takes the capture: the window that had it is
// told, and a release after the box reaches the window under the pointer.
TEST_F(RoutingTest, AMessageBoxTakesTheCaptureAway) {
  d.move_pointer(210, 130);
  d.press();
  d.pump_pending();
  d.SetCapture(hframed);
  d.move_pointer(20, 20);
  events.clear();
  d.dialogs().script_box({.answer = IDOK, .open_ms = 40, .while_open = [&] { d.schedule_release(d.now() + 10); }});
  d.SetTimer(hbase, 5, 25);
  EXPECT_EQ(d.MessageBoxA(hframed, "Aero is not enabled", "Slatebar", MB_OK | MB_ICONWARNING), IDOK);
  EXPECT_EQ(d.GetCapture(), 0u);
  d.pump_pending();
  EXPECT_EQ(events, (std::vector<std::string>{"Framed capture lost", "Base move 20,20", "Base up L 20,20",
                                              "Base timer 5"}));
  ASSERT_EQ(d.dialogs().boxes().size(), 1u);
  EXPECT_EQ(d.dialogs().boxes()[0].caption, "Slatebar");
  EXPECT_EQ(sim::Dialogs::kind(d.dialogs().boxes()[0].type), "warning");
  EXPECT_EQ(d.now(), 40u);
}

TEST_F(RoutingTest, APopupMenuTakesTheCaptureAndAnswersFromTheScript) {
  d.SetCapture(hbase);
  d.dialogs().choose_in_menus({4, 1});
  const std::vector<MenuItemSpec> items = {{"About..."}, {"-"}, {"Lock"}, {"-"}, {"E&xit"}};
  EXPECT_EQ(d.TrackPopupMenu(hbase, items, 10, 20), std::optional<std::size_t>(4));
  EXPECT_EQ(d.GetCapture(), 0u);
  EXPECT_EQ(d.TrackPopupMenu(hbase, items, 10, 20), std::nullopt) << "a separator cannot be chosen";
  EXPECT_EQ(d.recorded().TrackPopupMenu(hbase, items, 10, 20), std::nullopt) << "unscripted: dismissed";
  EXPECT_EQ(d.events().back(), "TrackPopupMenu Base 10,20 [About...|-|Lock|-|E&xit] -> none");
}

TEST_F(RoutingTest, ButtonStateAndPointerReadsFollowTheHardware) {
  d.move_pointer(5000, -20);
  POINT p;
  ASSERT_TRUE(d.GetCursorPos(&p));
  EXPECT_EQ(p, (POINT{1023, 0})) << "the pointer stays on the screen";
  // The high bit is the button now; the low bit that it went down since
  // the last query, which the query clears.
  auto state = [&](int vk) { return static_cast<std::uint16_t>(d.GetAsyncKeyState(vk)); };
  d.press(MouseButton::Right);
  EXPECT_EQ(state(VK_RBUTTON), 0x8001u);
  EXPECT_EQ(state(VK_RBUTTON), 0x8000u);
  EXPECT_EQ(state(VK_LBUTTON), 0u);
  d.release(MouseButton::Right);
  EXPECT_EQ(state(VK_RBUTTON), 0u);
  d.press(MouseButton::Left);
  d.release(MouseButton::Left);
  EXPECT_EQ(state(VK_LBUTTON), 0x0001u) << "a click since the last query, up now";
  EXPECT_EQ(state(VK_LBUTTON), 0u);
  d.refuse_cursor_reads(true);
  EXPECT_FALSE(d.GetCursorPos(&p));
}

}  // namespace
