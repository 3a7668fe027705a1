// The bar's timers run 40 times a second for the program's whole life:
// in steady state their ticks must not allocate. Every allocation made
// while one of the three handlers runs (with the platform calls it makes)
// is counted; the desktop's call record is switched off, as it allocates
// by design.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/allocation_counter.h"
#include "support/menu_fixture.h"

using support::allocation::allocations;
using support::allocation::counting;

namespace {

using menu_test::BarDesk;

// Counts inside a timer's handler only, not in the desktop's loop around it.
void count_inside(ui::Timer& timer) {
  ui::NotifyEvent original = timer.on_timer;
  timer.on_timer = [original](ui::Component& sender) {
    counting = true;
    original(sender);
    counting = false;
  };
}

struct Phase {
  const char* what;
  int from_w;  // pointer x relative to W for the measured ticks
  int ticks;
  std::string state_after;  // the state the phase must end in, to be sure it ran
};

long allocations_during(BarDesk& d, const Phase& p) {
  d.pointer_at(d.width() + p.from_w);
  allocations = 0;
  d.tick(p.ticks);
  return allocations.load();
}

TEST(MenuAllocations, SteadyStateTicksAllocateNothing) {
  BarDesk d;
  d.desktop.log().set_enabled(false);
  for (ui::Timer* t : {d.bar().tmrMenu, d.bar().tmrShowMenu, d.bar().tmrHideMenu}) count_inside(*t);

  // One full cycle first, so that every timer has been switched on and off
  // once and the toolkit and the desktop have made their one-time entries.
  d.pointer_at(d.width() / 2);
  d.tick(10);
  d.pointer_at(d.width() - 1);
  d.tick(16);
  d.pointer_at(d.width() / 2);
  d.tick(10);

  const std::vector<Phase> phases = {
      // hidden: the slide-out timer joins and leaves the pointer watch's
      // system timer every other tick
      {"pointer watch, bar hidden", -200, 40, "bar W+6 icons 60,50,40,50,60 clock hidden fly off out off"},
      {"slide-in", -1, 6, "bar W-54 icons 60,50,40,50,60 clock shown fly off out off"},
      {"fly-in", -1, 7, "bar W-54 icons 0,0,0,0,0 clock shown fly on out off"},
      // settled: every edge tick asks whether the panel is shown
      {"pointer watch, bar in, pointer on the edge", -1, 40, "bar W-54 icons 0,0,0,0,0 clock shown fly on out off"},
      {"pointer watch, bar in, pointer on the bar", -30, 40, "bar W-54 icons 0,0,0,0,0 clock shown fly on out off"},
      {"slide-out", -200, 8, "bar W+6 icons 60,50,40,50,60 clock hidden fly off out off"},
  };
  for (const Phase& p : phases) {
    SCOPED_TRACE(p.what);
    EXPECT_EQ(allocations_during(d, p), 0);
    EXPECT_EQ(d.state(), p.state_after);
  }
}

}  // namespace
