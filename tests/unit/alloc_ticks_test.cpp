// The screens' timers tick for the program's whole life, several of them
// every second: in steady state a tick must not allocate. Each test warms
// a timer up (first captions measured, first windows moved), then counts
// every operator new of the program while the tick runs, with the
// platform calls it makes. The desktop's call record is switched off, as
// it allocates by design. The bar's and the browser frame's timers have
// their own counts beside their scenario tests; the splash's timer fires
// once and frees its form, so it has no steady state to count.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "forms/Logon/Logon.h"
#include "forms/appswitcher/appswitcher.h"
#include "forms/clock/clock.h"
#include "forms/welcome/welcome.h"
#include "support/allocation_counter.h"
#include "support/sim_app.h"
#include "ui/label.h"
#include "ui/timer.h"

using support::allocation::allocations;
using support::allocation::counting;

namespace {

long count_tick(ui::Timer& timer) {
  allocations = 0;
  counting = true;
  timer.tick();
  counting = false;
  return allocations.load();
}

// Times whose texts differ in length and content, the longest day text
// included, so that a caption that grows past a string's inline buffer
// would show.
const plat::SYSTEMTIME kTimes[] = {
    {2024, 9, 3, 25, 23, 59, 58, 0},  // Wednesday, September 25
    {2024, 9, 4, 26, 0, 0, 1, 0},
    {2024, 5, 0, 5, 9, 5, 0, 0},      // Sunday, May 5
    {2024, 12, 6, 28, 12, 30, 0, 0},  // Saturday, December 28
};

class TickAllocations : public ::testing::Test {
 protected:
  TickAllocations() {
    sim.app->set_title("Slatebar");
    sim.create_all_forms();
    sim.desktop.log().set_enabled(false);
  }
  // Runs the time-of-day tick once per time, warm, and returns the counts.
  std::vector<long> counts_over_times(ui::Timer& timer) {
    for (const plat::SYSTEMTIME& t : kTimes) {
      sim.desktop.set_local_time(t);
      timer.tick();
    }
    std::vector<long> counts;
    for (const plat::SYSTEMTIME& t : kTimes) {
      sim.desktop.set_local_time(t);
      counts.push_back(count_tick(timer));
    }
    return counts;
  }
  support::SimApp sim;
};

const std::vector<long> kNone(std::size(kTimes), 0);

TEST_F(TickAllocations, ClockPanelTimeAndDate) {
  EXPECT_EQ(counts_over_times(*frmClock->tmrClock), kNone);
  EXPECT_EQ(frmClock->lblTime->caption(), "12:30");
}

TEST_F(TickAllocations, LockScreenTimeAndDate) {
  EXPECT_EQ(counts_over_times(*frmLogon->tmrTiempo), kNone);
  EXPECT_EQ(frmLogon->lblTime->caption(), "12:30");
}

TEST_F(TickAllocations, LockScreenSlideAway) {
  frmLogon->show();
  frmLogon->set_top(0);
  frmLogon->tmrClose->set_enabled(true);
  const int h = frmLogon->height();
  // The slide moves 50 pixels a tick; count all but the last, which
  // closes the screen and is a transition rather than a steady tick.
  count_tick(*frmLogon->tmrClose);
  std::vector<long> counts;
  while (frmLogon->top() - 50 + h > 0) counts.push_back(count_tick(*frmLogon->tmrClose));
  ASSERT_GT(counts.size(), 5u);
  EXPECT_EQ(counts, std::vector<long>(counts.size(), 0));
  EXPECT_LE(frmLogon->top() + h, 50);
}

// The first tick shows "Welcome"; the second closes the screen, and is
// not counted: hiding a window makes the simulated desktop hand the
// activation on, which lists its z-order into a vector of its own.
TEST_F(TickAllocations, WelcomeScreenAnimation) {
  for (int cycle = 0; cycle < 2; ++cycle) {
    SCOPED_TRACE(cycle);
    frmWelcome->lblWelcome->hide();
    frmWelcome->show();
    frmWelcome->tmrAnimation->set_enabled(true);
    const long shown = count_tick(*frmWelcome->tmrAnimation);
    ASSERT_TRUE(frmWelcome->lblWelcome->visible());
    frmWelcome->tmrAnimation->tick();
    ASSERT_FALSE(frmWelcome->tmrAnimation->enabled());
    if (cycle == 1) {
      EXPECT_EQ(shown, 0);
    }
  }
}

TEST_F(TickAllocations, LeftEdgeStripPointerWatch) {
  struct Step {
    int x;
    int ticks;
  };
  // Resting, pulled in at the edge, in the cancel zone, sent back.
  const Step steps[] = {{500, 3}, {0, 6}, {5, 3}, {500, 3}};
  for (const Step& s : steps) {
    sim.desktop.move_pointer(s.x, 300);
    for (int i = 0; i < s.ticks; ++i) frmAppSwitcher->tmrAppSwithcer->tick();
  }
  for (const Step& s : steps) {
    SCOPED_TRACE(s.x);
    sim.desktop.move_pointer(s.x, 300);
    for (int i = 0; i < s.ticks; ++i) EXPECT_EQ(count_tick(*frmAppSwitcher->tmrAppSwithcer), 0);
  }
  EXPECT_EQ(frmAppSwitcher->left(), -40);
}

}  // namespace
