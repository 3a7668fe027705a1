// The program at 150 and 200 per cent under Wine, which shows every
// program at the scale set in the prefix (LogPixels) as a per-monitor
// aware program lays itself out on Windows: the lock screen's date, time
// and icons stand apart, grown with the scale, and the bar and the clock
// panel come in grown and wholly on the screen.
#include <chrono>
#include <string>
#include <utility>
#include <vector>

#include "driver/ocr.h"
#include "driver/screen_wait.h"
#include "driver/slatebar.h"
#include "driver/wait.h"
#include "e2e_test.h"

namespace e2e {
namespace {

using testing::E2eTest;
using namespace std::chrono_literals;

struct Scale {
  int dpi;
  ScreenSize screen;  // 200 % on the 2560 x 1440 screens that it is made for
};

const Scale kScales[] = {{144, {1920, 1080, 24}}, {192, {2560, 1440, 24}}};

class Scaled : public E2eTest {
 protected:
  std::optional<std::string> unavailable() const override { return slatebar::unavailable(); }

  // The prefix is every group's: it goes back to 100 % whatever happened.
  void TearDown() override {
    if (scaled_) {
      auto back = s().use_dpi(96);
      EXPECT_TRUE(back) << back.error();
    }
    E2eTest::TearDown();
  }

  // A length of the designs at the scale in force, as the program grows it.
  int sc(int value) { return s().scaled(value); }
  int w() { return s().screen().width; }
  int h() { return s().screen().height; }

  ::testing::AssertionResult use(const Scale& scale) {
    if (!resize(scale.screen)) return ::testing::AssertionFailure() << "no screen of that size";
    auto set = s().use_dpi(scale.dpi);
    if (!set) return ::testing::AssertionFailure() << set.error();
    scaled_ = true;
    return ::testing::AssertionSuccess();
  }

  void lock_screen_stands_apart();
  void bar_and_panel_come_in();

  bool scaled_ = false;
};

// Read as a person reads it: the weekday, the date and the time on lines
// of their own, each below the last, the time in figures twice the date's
// height as designed (-96 and -48 at 100 %) grown with the scale, and the
// three icons below the time, each drawn in its own grown square.
void Scaled::lock_screen_stands_apart() {
  const Rect texts{sc(60), h() - sc(320), w() / 2, sc(320) - sc(80)};
  const Rect time_area{sc(88), h() - sc(200), sc(200), sc(110)};
  std::vector<OcrWord> words;
  std::vector<std::string> lines;
  const auto read = wait_for_screen(s().x(), 30s, [&](const Screenshot& shot) {
    if (shot.fraction(time_area, near_white) < 0.03) return false;
    auto seen = read_white_text(shot, texts);
    if (!seen) return false;
    words = *seen;
    lines = lines_of(words);
    return lines.size() == 3;
  });
  ASSERT_TRUE(read) << "the lock screen's texts were not read as three lines: " << ::testing::PrintToString(lines)
                    << "; " << s().record("scale-lock-" + std::to_string(s().dpi())).string();

  const std::vector<Rect> boxes = line_boxes(words);
  EXPECT_NE(lines[2].find(':'), std::string::npos) << "the last line is not the time: " << lines[2];
  EXPECT_LE(boxes[0].bottom(), boxes[1].y) << "the weekday runs into the date";
  EXPECT_LE(boxes[1].bottom(), boxes[2].y) << "the date runs into the time";
  // Figures of a -96 font stand about 60 pixels high at 100 %.
  EXPECT_GE(boxes[2].height, sc(50)) << "the time is not grown with the scale";
  EXPECT_LE(boxes[2].bottom(), h() - sc(80)) << "the time runs into the icons";

  auto shot = s().screenshot();
  ASSERT_TRUE(shot) << shot.error();
  for (int left : {88, 176, 272}) {
    const Rect icon{sc(left), h() - sc(80), sc(80), sc(80)};
    // The glyphs end 62 to 68 pixels down their 80-pixel pictures: grown,
    // they reach rows that a picture drawn at its own size leaves empty.
    const Rect lower{icon.x, icon.y + sc(56), icon.width, sc(6)};
    EXPECT_GT(shot->fraction(icon, near_white), 0.02) << "no icon at " << icon;
    EXPECT_GT(shot->fraction(lower, [](Rgb c) { return c.r > 160 && c.g > 160 && c.b > 160; }), 0.01)
        << "the icon at " << icon << " is not grown";
  }
  // Between the squares nothing is drawn: grown pictures at the lefts of
  // 100 % would overlap there.
  for (const auto& [from, to] : {std::pair{168, 176}, std::pair{256, 272}}) {
    const Rect gap{sc(from), h() - sc(80), sc(to) - sc(from), sc(80)};
    EXPECT_EQ(shot->fraction(gap, near_white), 0.0) << "the icons run into each other at " << gap;
  }
}

// The pointer on the last column: the bar comes in at its grown width,
// its icons in their grown boxes, and the clock panel at its designed
// place grown, all of it on the screen.
void Scaled::bar_and_panel_come_in() {
  s().input().move_to({w() / 2, h() / 3});
  ASSERT_TRUE(wait_until(5s, [&] {
    auto bar = slatebar::titled(s(), "frmMenu");
    return bar && bar->rect.x >= w();
  })) << "the bar did not go off-screen";
  s().input().move_to({w() - 1, h() / 3});
  const Rect bar_at{w() - sc(54), 0, sc(48), h()};
  auto bar = wait_until(5s, [&]() -> std::optional<WinWindow> {
    auto b = slatebar::titled(s(), "frmMenu");
    return b && b->rect.x == bar_at.x ? b : std::nullopt;
  });
  ASSERT_TRUE(bar) << "the bar did not come in to " << bar_at;
  EXPECT_EQ(bar->rect, bar_at);

  const int centre_top = h() / 2 - sc(48) / 2;
  auto in = wait_for_screen(s().x(), 5s, [&](const Screenshot& shot) {
    for (int k = -2; k <= 2; ++k) {
      if (shot.fraction({bar_at.x, centre_top + sc(64) * k, sc(48), sc(48)}, near_white) < 0.03) return false;
    }
    return true;
  });
  EXPECT_TRUE(in) << "the icons did not fly into their grown boxes; "
                  << s().record("scale-bar-" + std::to_string(s().dpi())).string();

  auto panel = wait_until(5s, [&]() -> std::optional<WinWindow> {
    auto p = slatebar::form(s(), "frmClock");
    return p && p->visible ? p : std::nullopt;
  });
  ASSERT_TRUE(panel) << "no clock panel";
  EXPECT_EQ(panel->rect.x, sc(211));
  EXPECT_EQ(panel->rect.y, sc(467));
  EXPECT_GE(panel->rect.width, sc(460));
  EXPECT_GE(panel->rect.height, sc(143));
  EXPECT_LE(panel->rect.right(), w()) << "the panel reaches past the screen";
  EXPECT_LE(panel->rect.bottom(), h()) << "the panel reaches past the screen";
  const Rect time_box{panel->rect.x + sc(80), panel->rect.y + sc(16), sc(222), sc(117)};
  auto drawn = wait_for_screen(s().x(), 5s, [&](const Screenshot& shot) {
    return shot.fraction(time_box, near_white) > 0.05;
  });
  EXPECT_TRUE(drawn) << "the panel's time is not drawn in its grown place " << time_box;
}

TEST_F(Scaled, AtEveryScaleTheLockScreenStandsApartAndTheBarAndPanelComeInGrownOnTheScreen) {
  for (const Scale& scale : kScales) {
    SCOPED_TRACE("dpi " + std::to_string(scale.dpi));
    ASSERT_TRUE(use(scale));
    auto started = slatebar::start(s(), "scale-" + std::to_string(scale.dpi));
    ASSERT_TRUE(started) << started.error();
    ASSERT_TRUE(wait_until(20s, [&] {
      auto lock = slatebar::form(s(), "frmLogon");
      return lock && lock->visible;
    })) << "no lock screen";
    lock_screen_stands_apart();
    auto open = slatebar::unlock(s());
    ASSERT_TRUE(open) << open.error() << "; " << s().record("scale-unlock-" + std::to_string(scale.dpi)).string();
    bar_and_panel_come_in();
    auto ended = s().end_wine();
    ASSERT_TRUE(ended) << ended.error();
  }
}

}  // namespace
}  // namespace e2e
