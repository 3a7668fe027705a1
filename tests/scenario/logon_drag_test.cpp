// The lock screen's drag: the screen follows the pointer above the band's
// upper edge, never sinks below rest, and the release decides between
// sliding away and springing back.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/lock_fixture.h"
#include "ui/label.h"
#include "ui/timer.h"

namespace {

using lock_test::LockDesktop;
using plat::MouseButton;

constexpr int kScreenW = 1024;
constexpr int kScreenH = 768;
constexpr int kBandTop = kScreenH - 256;
constexpr int kPressX = 500;

struct Poll {
  int dx = 0;  // pointer offset from the press point when this poll reads it
  int dy = 0;
};

struct DragCase {
  const char* name;
  MouseButton button;
  int offset;               // press point's distance below the band's top
  std::vector<Poll> polls;  // where the pointer is at each 15 ms poll
  std::vector<int> tops;    // the form's top after each of those polls
  int final_top;            // after the release
  bool sliding;             // tmrClose enabled by the release
  // A left-handed user: `button` is the physical one, mapped to the other.
  bool swapped = false;
};

class LogonDrag : public LockDesktop {
 protected:
  void SetUp() override {
    make_lock_forms();
    frmLogon->show();
    desk.advance(10);
  }

  // The form's top as it stood after each poll of the tracking loop (a
  // poll starts with its Sleep), read back from the window moves.
  std::vector<int> tops_per_poll(std::size_t from) const {
    std::vector<int> tops;
    bool started = false;
    int current = frmLogon->top();
    for (const std::string& e : calls_since(from, {"Sleep", "SetWindowPos"})) {
      if (e == "Sleep 15") {
        if (started) tops.push_back(current);
        started = true;
      } else if (e.starts_with("SetWindowPos frmLogon ") && e.find("SWP_NOMOVE") == std::string::npos) {
        const std::size_t comma = e.find(',');
        current = std::stoi(e.substr(comma + 1));
      }
    }
    if (started) tops.push_back(current);
    return tops;
  }
};

TEST_F(LogonDrag, FollowsThePointerByTheRulesOfTheBand) {
  const DragCase cases[] = {
      {"press and release without moving", MouseButton::Left, 40, {}, {}, 0, false},
      {"press at offset 0 follows at once; back below the edge keeps the last top", MouseButton::Left, 0,
       {{0, -1}, {0, -10}, {0, -50}, {0, -30}, {0, 10}, {0, -5}},
       {-1, -10, -50, -30, -30, -5}, 0, false},
      {"press 200 down and drag up 150: nothing moves", MouseButton::Left, 200,
       {{0, -50}, {0, -100}, {0, -150}}, {0, 0, 0}, 0, false},
      {"press 200 down and drag up 250: follows from the band's edge", MouseButton::Left, 200,
       {{0, -150}, {0, -250}}, {0, -50}, 0, false},
      {"downward drags move nothing", MouseButton::Left, 100, {{0, 20}, {0, 60}, {0, 155}}, {0, 0, 0}, 0, false},
      {"horizontal movement is ignored", MouseButton::Left, 0, {{-300, 0}, {400, 0}}, {0, 0}, 0, false},
      {"pushed up by 128 springs back", MouseButton::Left, 0, {{0, -64}, {0, -128}}, {-64, -128}, 0, false},
      {"pushed up by 129 slides away", MouseButton::Left, 0, {{0, -64}, {0, -129}}, {-64, -129}, -129, true},
      {"far up and partly back down again still opens", MouseButton::Left, 10, {{0, -400}, {0, -200}},
       {-390, -190}, -190, true},
      {"buttons swapped: the physical right button, the primary one, drags and opens", MouseButton::Right, 0,
       {{0, -64}, {0, -129}}, {-64, -129}, -129, true, true},
  };
  for (const DragCase& c : cases) {
    SCOPED_TRACE(c.name);
    frmLogon->set_top(0);
    frmLogon->tmrClose->set_enabled(false);
    desk.set_swap_buttons(c.swapped);
    desk.move_pointer(kPressX, kBandTop + c.offset);
    desk.advance(5);
    const std::size_t from = desk.events().size();
    const sim::Millis t0 = desk.now();
    desk.press(c.button);
    for (std::size_t i = 0; i < c.polls.size(); ++i) {
      desk.schedule_move(t0 + 15 * i + 10, kPressX + c.polls[i].dx, kBandTop + c.offset + c.polls[i].dy);
    }
    // Released just before the next poll: that poll reads the last place
    // again and its message processing runs the release rule.
    desk.schedule_release(t0 + 15 * c.polls.size() + 10, c.button);
    desk.advance(15 * c.polls.size() + 30);  // before the first slide step

    std::vector<int> tops = tops_per_poll(from);
    ASSERT_EQ(tops.size(), c.polls.size() + 1) << "one poll per scheduled place, and one that sees the release";
    tops.pop_back();
    EXPECT_EQ(tops, c.tops);
    EXPECT_EQ(frmLogon->top(), c.final_top);
    EXPECT_EQ(frmLogon->tmrClose->enabled(), c.sliding);
  }
}

TEST_F(LogonDrag, OtherButtonsStartNoTracking) {
  struct Press {
    const char* name;
    MouseButton button;  // physical
    bool swapped;
  };
  const Press presses[] = {{"right", MouseButton::Right, false},
                           {"middle", MouseButton::Middle, false},
                           {"left, buttons swapped", MouseButton::Left, true}};
  for (const Press& press : presses) {
    SCOPED_TRACE(press.name);
    const MouseButton b = press.button;
    desk.set_swap_buttons(press.swapped);
    frmLogon->set_top(0);
    desk.move_pointer(kPressX, kBandTop + 10);
    const std::size_t from = desk.events().size();
    desk.press(b);
    desk.schedule_move(desk.now() + 20, kPressX, kBandTop - 200);
    desk.schedule_move(desk.now() + 40, kPressX, kBandTop + 10);
    desk.schedule_release(desk.now() + 50, b);
    desk.advance(100);
    EXPECT_TRUE(calls_since(from, {"Sleep"}).empty());
    // Its release on the band applies the rule, which leaves rest as it is.
    EXPECT_EQ(frmLogon->top(), 0);
    EXPECT_FALSE(frmLogon->tmrClose->enabled());
  }
}

// The loop dispatches on every pass: the clock ticks and the screen
// repaints while the button is held, and the release reaches the band
// through the capture even far away from it.
TEST_F(LogonDrag, TimersAndPaintingGoOnDuringTheDrag) {
  desk.move_pointer(kPressX, kBandTop);
  const sim::Millis t0 = desk.now();
  const int paints_before = desk.paint_count(frmLogon->handle());
  std::string time_during;
  int paints_during = 0;
  desk.press();
  desk.schedule_move(t0 + 30, kPressX + 200, 20);
  desk.at(t0 + 1500, [&] {
    time_during = frmLogon->lblTime->caption();
    paints_during = desk.paint_count(frmLogon->handle());
  });
  desk.schedule_release(t0 + 2000);
  desk.advance(2100);
  EXPECT_FALSE(time_during.empty()) << "tmrTiempo did not tick during the drag";
  EXPECT_GT(paints_during, paints_before);
  EXPECT_TRUE(frmLogon->tmrClose->enabled()) << "the release far from the band was lost";
}

// A quit that comes while the button is held must end the loop and the
// program, not wait for the release.
TEST_F(LogonDrag, AQuitDuringTheDragEndsTheProgram) {
  desk.move_pointer(kPressX, kBandTop + 5);
  const sim::Millis t0 = desk.now();
  // run() shows the main form first; out of the way with it.
  desk.at(t0 + 1, [] { frmSetting->hide(); });
  desk.schedule_press(t0 + 20);
  desk.schedule_move(t0 + 60, kPressX, kBandTop - 100);
  desk.at(t0 + 200, [] { plat::os().PostQuitMessage(0); });
  desk.schedule_release(t0 + 5000);
  desk.set_deadline(t0 + 20000);
  int polls_at_quit = 0;
  desk.at(t0 + 199, [&] { polls_at_quit = static_cast<int>(calls_since(0, {"Sleep"}).size()); });
  app.run();
  EXPECT_GT(polls_at_quit, 5) << "the drag had not started when the quit came";
  EXPECT_FALSE(desk.deadline_reached());
  EXPECT_LT(desk.now(), t0 + 1000) << "the loop went on until the button came up";
  EXPECT_EQ(desk.exit_code(), 0);
}

}  // namespace
