// The simulated desktop's clock, timers and message loop.
#include <gtest/gtest.h>

#include "platform/sim/desktop.h"
#include "sim_probe.h"

namespace {

using sim::Desktop;
using sim_test::Probe;

struct LoopTest : ::testing::Test {
  Desktop d;
  std::vector<std::string> events;
  Probe probe{"w", events};
  plat::HWND w = 0;

  void SetUp() override {
    plat::WindowParams p;
    p.name = "w";
    p.bounds = {0, 0, 100, 100};
    w = d.create_window(p, &probe);
  }
};

// Tick times of one timer, as (SetTimer interval, what the test does, ticks).
TEST_F(LoopTest, TimerTicksFromWhenItWasSetAndCoalesces) {
  struct Row {
    const char* what;
    unsigned interval;
    std::function<void(Desktop&, plat::HWND)> script;  // run after SetTimer at t=0
    std::vector<sim::Millis> ticks;
  };
  const std::vector<Row> rows = {
      {"first tick one interval after setting", 25, [](Desktop& d, plat::HWND) { d.advance(100); }, {25, 50, 75, 100}},
      {"nothing before the first interval", 25, [](Desktop& d, plat::HWND) { d.advance(24); }, {}},
      {"SetTimer again restarts it", 25,
       [](Desktop& d, plat::HWND w) {
         d.advance(40);
         d.SetTimer(w, 1, 25);
         d.advance(60);
       },
       {25, 65, 90}},
      {"intervals below 10 ms are 10 ms", 1, [](Desktop& d, plat::HWND) { d.advance(30); }, {10, 20, 30}},
      {"a long Sleep yields one tick, then the grid goes on", 10,
       [](Desktop& d, plat::HWND) {
         d.Sleep(35);
         d.advance(20);
       },
       {35, 40, 50}},
      {"KillTimer stops it", 25,
       [](Desktop& d, plat::HWND w) {
         d.advance(50);
         d.KillTimer(w, 1);
         d.advance(100);
       },
       {25, 50}},
      {"destroying the window stops it", 25,
       [](Desktop& d, plat::HWND w) {
         d.advance(30);
         d.DestroyWindow(w);
         d.advance(100);
       },
       {25}},
  };
  for (const Row& row : rows) {
    Desktop d;
    std::vector<std::string> sink_events;
    Probe p("w", sink_events);
    plat::WindowParams params;
    const plat::HWND hwnd = d.create_window(params, &p);
    std::vector<sim::Millis> ticks;
    p.timer_hook = [&](std::uintptr_t) { ticks.push_back(d.now()); };
    d.SetTimer(hwnd, 1, row.interval);
    row.script(d, hwnd);
    EXPECT_EQ(ticks, row.ticks) << row.what;
  }
}

TEST_F(LoopTest, PumpPendingFiresEachDueTimerOnceEvenWhenAHandlerSleeps) {
  std::vector<sim::Millis> ticks;
  probe.timer_hook = [&](std::uintptr_t) {
    ticks.push_back(d.now());
    d.Sleep(25);  // past the next interval and the one after
  };
  d.SetTimer(w, 1, 10);
  d.Sleep(10);
  EXPECT_TRUE(d.pump_pending());
  EXPECT_EQ(ticks, (std::vector<sim::Millis>{10}));
  EXPECT_TRUE(d.pump_pending());
  EXPECT_EQ(ticks, (std::vector<sim::Millis>{10, 35}));
}

TEST_F(LoopTest, OneInstantDispatchesPostedThenInputThenPaintThenTimers) {
  d.ShowWindow(w, plat::SW_SHOWNA);
  d.SetTimer(w, 7, 10);
  d.Sleep(10);
  events.clear();
  d.InvalidateRect(w, nullptr);
  d.move_pointer(5, 5);
  d.press();
  d.PostMessageA(w, 1234, 0);
  d.pump_pending();
    // The press activates the window first, as a click does.
  EXPECT_EQ(events, (std::vector<std::string>{"w posted 1234", "w move 5,5", "w activate app", "w down L 5,5",
                                              "w paint", "w timer 7"}));
}

TEST_F(LoopTest, PumpOneWaitsForTheNextEventAndEndsAtTheDeadline) {
  d.SetTimer(w, 1, 25);
  d.set_deadline(110);
  int dispatched = 0;
  while (d.pump_one()) ++dispatched;
  EXPECT_TRUE(d.deadline_reached());
  EXPECT_FALSE(d.stalled());
  EXPECT_EQ(d.now(), 110u);
  EXPECT_EQ(dispatched, 4);  // ticks at 25, 50, 75, 100
  EXPECT_FALSE(d.pump_one());
  EXPECT_FALSE(d.pump_pending());
}

TEST_F(LoopTest, PumpOneWithNothingAheadStallsInsteadOfHanging) {
  EXPECT_FALSE(d.pump_one());
  EXPECT_TRUE(d.stalled());
  EXPECT_FALSE(d.deadline_reached());
}

TEST_F(LoopTest, QuitComesAfterPostedMessagesAndIsRemembered) {
  d.PostMessageA(w, 1, 0);
  d.PostQuitMessage(3);
  d.PostMessageA(w, 2, 0);
  EXPECT_FALSE(d.pump_pending());
  EXPECT_EQ(events, (std::vector<std::string>{"w posted 1", "w posted 2"}));
  EXPECT_FALSE(d.pump_pending());
  EXPECT_FALSE(d.pump_one());
  EXPECT_EQ(d.exit_code(), 3);
}

// A polling loop (Sleep, read the button, pump) sees scripted input at its
// time; scripted callbacks and the messages wait for the pump.
TEST_F(LoopTest, SleepAppliesScriptedInputButDispatchesNothing) {
  d.ShowWindow(w, plat::SW_SHOWNA);
  d.move_pointer(10, 10);
  d.pump_pending();
  events.clear();
  bool action_ran = false;
  d.schedule_press(15);
  d.at(15, [&] { action_ran = true; });
  d.schedule_release(40);
  d.Sleep(20);
  EXPECT_LT(d.GetAsyncKeyState(plat::VK_LBUTTON), 0);
  EXPECT_FALSE(action_ran);
  EXPECT_TRUE(events.empty());
  d.pump_pending();
  EXPECT_TRUE(action_ran);
  EXPECT_EQ(events, (std::vector<std::string>{"w activate app", "w down L 10,10"}));
  d.Sleep(20);
  EXPECT_EQ(d.GetAsyncKeyState(plat::VK_LBUTTON), 0);
}

TEST(SimClock, LocalTimeRollsOverDaysMonthsAndYears) {
  struct Row {
    plat::SYSTEMTIME start;
    sim::Millis later;
    plat::SYSTEMTIME expected;
  };
  auto t = [](int y, int mo, int dow, int d, int h, int mi, int s, int ms) {
    return plat::SYSTEMTIME{static_cast<std::uint16_t>(y),  static_cast<std::uint16_t>(mo),
                            static_cast<std::uint16_t>(dow), static_cast<std::uint16_t>(d),
                            static_cast<std::uint16_t>(h),  static_cast<std::uint16_t>(mi),
                            static_cast<std::uint16_t>(s),  static_cast<std::uint16_t>(ms)};
  };
  const std::vector<Row> rows = {
      {t(2023, 12, 0, 31, 23, 59, 59, 500), 1000, t(2024, 1, 1, 1, 0, 0, 0, 500)},
      {t(2024, 2, 0, 28, 23, 0, 0, 0), 3'600'000, t(2024, 2, 4, 29, 0, 0, 0, 0)},
      {t(2023, 2, 0, 28, 23, 0, 0, 0), 3'600'000, t(2023, 3, 3, 1, 0, 0, 0, 0)},
      {t(2100, 2, 0, 28, 12, 0, 0, 0), 86'400'000, t(2100, 3, 1, 1, 12, 0, 0, 0)},
      {t(2024, 6, 0, 3, 0, 4, 59, 999), 1, t(2024, 6, 1, 3, 0, 5, 0, 0)},
  };
  for (const Row& row : rows) {
    Desktop d;
    d.set_local_time(row.start);
    d.advance(row.later);
    plat::SYSTEMTIME got;
    d.GetLocalTime(&got);
    const auto text = [](const plat::SYSTEMTIME& s) {
      char buf[64];
      std::snprintf(buf, sizeof buf, "%04d-%02d-%02d (%d) %02d:%02d:%02d.%03d", s.wYear, s.wMonth, s.wDay,
                    s.wDayOfWeek, s.wHour, s.wMinute, s.wSecond, s.wMilliseconds);
      return std::string(buf);
    };
    EXPECT_EQ(text(got), text(row.expected));
  }
}

TEST(SimClock, TickCountWrapsLikeWindows) {
  Desktop d;
  d.set_tick_base(0xFFFFFFF0u);
  d.advance(0x20);
  EXPECT_EQ(d.GetTickCount(), 0x10u);
}

}  // namespace
