// The slide-away after an opening release: 50 pixels every 25 ms until
// the bottom edge is at or above the screen's top, then hidden on the next
// tick, handing over to the welcome screen's timer.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "support/lock_fixture.h"
#include "ui/label.h"
#include "ui/timer.h"

namespace {

using lock_test::LockDesktop;

constexpr int kBandTop = 768 - 256;

class LogonSlide : public LockDesktop {
 protected:
  void SetUp() override {
    make_lock_forms();
    frmWelcome->show();
    frmLogon->show();
    desk.advance(10);
  }

  std::vector<int> moves_since(std::size_t from) const {
    std::vector<int> tops;
    for (const std::string& e : calls_since(from, {"SetWindowPos"})) {
      if (!e.starts_with("SetWindowPos frmLogon ") || e.find("SWP_NOMOVE") != std::string::npos) continue;
      tops.push_back(std::stoi(e.substr(e.find(',') + 1)));
    }
    return tops;
  }

  void release_at(int top) {
    frmLogon->set_top(top);
    frmLogon->lblDragAreaMouseUp(*frmLogon->lblDragArea, plat::MouseButton::Left, 0, 0, 0);
  }
};

TEST_F(LogonSlide, RisesFiftyPixelsATickThenHidesOnTheNext) {
  struct Case {
    const char* name;
    int start;
    std::vector<int> tops;
  };
  const Case cases[] = {
      {"just past the release rule", -129,
       {-179, -229, -279, -329, -379, -429, -479, -529, -579, -629, -679, -729, -779}},
      {"one step short of the top edge", -719, {-769}},
      {"one step lands the bottom exactly on the top edge", -718, {-768}},
      {"two steps", -668, {-718, -768}},
      {"already off the screen: no move, hidden at once", -800, {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    frmLogon->show();
    frmWelcome->tmrAnimation->set_enabled(false);
    release_at(c.start);
    ASSERT_TRUE(frmLogon->tmrClose->enabled());
    const std::size_t from = desk.events().size();
    const auto moves = c.tops.size();  // ceil((top + height) / 50)
    desk.advance(25 * moves + 24);
    EXPECT_EQ(moves_since(from), c.tops);
    EXPECT_TRUE(frmLogon->visible()) << "hidden before its last tick";
    EXPECT_FALSE(frmWelcome->tmrAnimation->enabled());
    desk.advance(1);
    EXPECT_FALSE(frmLogon->visible());
    EXPECT_FALSE(plat::os().IsWindowVisible(frmLogon->handle()));
    EXPECT_FALSE(frmLogon->tmrClose->enabled());
    EXPECT_TRUE(frmWelcome->tmrAnimation->enabled());
    // The lock screen keeps its off-screen top while hidden.
    EXPECT_EQ(frmLogon->top(), c.tops.empty() ? c.start : c.tops.back());
    EXPECT_TRUE(frmWelcome->visible()) << "the lock screen never hides the welcome screen itself";
  }
}

// Pressed again while it slides: both the loop and the timer move it. A
// press low on the band drags the screen back down; a release that springs
// it back to rest leaves the timer running, which carries it off anyway.
TEST_F(LogonSlide, APressWhileSlidingAwayCannotStopIt) {
  release_at(-129);
  desk.advance(25);
  ASSERT_EQ(frmLogon->top(), -179);
  const int press_y = frmLogon->top() + kBandTop + 100;
  desk.move_pointer(500, press_y);
  const sim::Millis t0 = desk.now();
  const std::size_t from = desk.events().size();
  desk.press();
  desk.schedule_move(t0 + 5, 500, press_y - 150);  // t = 100 - 150 = -50
  desk.schedule_release(t0 + 100);
  desk.advance(700);

  const std::vector<int> moves = moves_since(from);
  // Loop and timer took turns: back to -50 after each timer step of -50.
  const auto rest = std::find(moves.begin(), moves.end(), 0);
  ASSERT_NE(rest, moves.end()) << "the release did not spring it back to rest";
  EXPECT_NE(std::find(moves.begin(), rest, -100), rest);
  EXPECT_NE(std::find(moves.begin(), rest, -50), rest);
  // From rest the timer, still running, needs ceil(768 / 50) = 16 steps.
  std::vector<int> expected;
  for (int top = -50; top >= -800; top -= 50) expected.push_back(top);
  EXPECT_EQ(std::vector<int>(rest + 1, moves.end()), expected);
  EXPECT_FALSE(frmLogon->visible());
  EXPECT_TRUE(frmWelcome->tmrAnimation->enabled());
}

// The push is measured from where the form rests on the desk as it is at
// the release: a desk that changed (taller, or with a monitor above the
// primary) is covered again first, and the same push opens it.
TEST_F(LogonSlide, TheReleaseRuleMeasuresThePushFromTheRestOnTheDeskAsItIs) {
  struct Case {
    const char* name;
    std::vector<sim::Monitor> desk;
    int pushed;  // above the rest
    bool slides;
  };
  const std::vector<sim::Monitor> same{sim::Monitor{{0, 0, 1024, 768}}};
  const std::vector<sim::Monitor> taller{sim::Monitor{{0, 0, 1024, 1024}}};
  const std::vector<sim::Monitor> above{sim::Monitor{{0, 0, 1024, 768}}, sim::Monitor{{0, -300, 1024, 0}}};
  const Case cases[] = {
      {"same screen, 128", same, 128, false},     {"same screen, 129", same, 129, true},
      {"taller screen, 128", taller, 128, false}, {"taller screen, 129", taller, 129, true},
      {"monitor above, 128", above, 128, false},  {"monitor above, 129", above, 129, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    desk.change_display(c.desk);
    const int rest = sim::virtual_screen(c.desk).top;
    frmLogon->tmrClose->set_enabled(false);
    release_at(rest - c.pushed);
    EXPECT_EQ(frmLogon->tmrClose->enabled(), c.slides);
    EXPECT_EQ(frmLogon->top(), c.slides ? rest - c.pushed : rest);
    const plat::RECT d = sim::virtual_screen(c.desk);
    EXPECT_EQ(frmLogon->height(), d.bottom - d.top) << "the form covers the desk as it is";
  }
}

}  // namespace
