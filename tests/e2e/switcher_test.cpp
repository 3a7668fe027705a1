// The left-edge strip and the window list under Wine, where composition is
// off: the start says "Aero Disabled"; the pointer on the first column
// brings in the half-transparent strip and leaving the edge sends it out;
// a press on it warns that Aero is not enabled, and once the person has
// let go and clicked OK the strip and the list are at rest. The drag and
// the switch, which a person cannot reach here, are the simulated
// desktop's to show. The settings dialog waits, hidden, where it will be
// shown.
//
// Without a compositing manager the X server ignores a window's opacity,
// so the strip shows black (its alpha is still set on its X window).
#include <chrono>
#include <thread>

#include "driver/message_boxes.h"
#include "driver/slatebar.h"
#include "driver/strip.h"
#include "driver/wait.h"
#include "e2e_test.h"

namespace e2e {
namespace {

using namespace std::chrono_literals;
using testing::E2eTest;

constexpr int kStripWidth = 20;
constexpr int kStripRest = -40;
// The strip moves 10 pixels per 50 ms tick: four ticks, with time for the
// screen to follow.
constexpr auto kWithinASecond = 1s;
// Two overlapping windows of another program; the overlap's inside shows
// whichever is in front.
constexpr Rect kLowerAt{300, 120, 320, 220}, kUpperAt{420, 200, 320, 220};
constexpr Rect kOverlap{440, 240, 150, 80};
constexpr Rgb kLowerColour{0x20, 0x60, 0xC0}, kUpperColour{0xC0, 0x40, 0x20};

class Switcher : public E2eTest {
 protected:
  std::optional<std::string> unavailable() const override { return slatebar::unavailable(); }

  int h() { return s().screen().height; }

  std::optional<WinWindow> strip() { return slatebar::form(s(), "frmAppSwitcher"); }

  std::optional<WinWindow> list_form() { return slatebar::window_list_form(s()); }

  std::uint64_t foreground() {
    auto list = s().windows();
    return list ? list->foreground : 0;
  }


  // Started, unlocked as a person does, and two plain windows of another
  // program open, the second in front and active.
  struct Desk {
    slatebar::Started program;
    HelperWindow lower, upper;
  };
  std::expected<Desk, std::string> desk(std::string_view copy) {
    auto started = slatebar::start(s(), copy);
    if (!started) return std::unexpected(started.error());
    if (auto open = slatebar::unlock_started(s()); !open) return std::unexpected(open.error());
    auto lower = s().open_window(WindowSpec::of("SwitchLower", "Lower window").at(kLowerAt).filled(kLowerColour));
    if (!lower) return std::unexpected(lower.error());
    auto upper = s().open_window(WindowSpec::of("SwitchUpper", "Upper window").at(kUpperAt).filled(kUpperColour));
    if (!upper) return std::unexpected(upper.error());
    if (!wait_until(5s, [&] { return foreground() == upper->hwnd(); })) {
      return std::unexpected("the upper window did not become active");
    }
    return Desk{std::move(*started), *lower, *upper};
  }

  // The lower window stands in front of the upper one, in z-order and on
  // the screen.
  bool lower_in_front(const Desk& desk) {
    auto list = s().windows();
    if (!list) return false;
    auto lower = list->z_index(desk.lower.hwnd()), upper = list->z_index(desk.upper.hwnd());
    auto shot = s().screenshot();
    return lower && upper && *lower < *upper && shot && shot->fraction(kOverlap, near_to(kLowerColour, 16)) > 0.95;
  }

  ::testing::AssertionResult strip_comes_in() {
    auto in = strip::comes_in(s());
    if (!in) return ::testing::AssertionFailure() << in.error();
    return ::testing::AssertionSuccess();
  }
};

TEST_F(Switcher, TheStripFollowsTheEdgeAndTheSettingsDialogWaitsHidden) {
  auto desk_up = desk("switcher-strip");
  ASSERT_TRUE(desk_up) << desk_up.error();
  std::vector<BoxSeen> aero;
  for (const BoxSeen& b : desk_up->program.boxes) {
    if (b.text == "Aero Disabled") aero.push_back(b);
  }
  ASSERT_EQ(aero.size(), 1u) << ::testing::PrintToString(desk_up->program.boxes);
  EXPECT_EQ(aero[0].caption, slatebar::kTitle);

  auto resting = strip();
  ASSERT_TRUE(resting);
  EXPECT_EQ(resting->rect, (Rect{kStripRest, 0, kStripWidth, h()}));

  ASSERT_TRUE(strip_comes_in());
  auto in = strip();
  ASSERT_TRUE(in);
  EXPECT_EQ(in->rect, (Rect{0, 0, kStripWidth, h()}));
  EXPECT_TRUE(in->topmost());
  EXPECT_TRUE(in->tool_window());
  auto x = s().x_window(in->xid);
  ASSERT_TRUE(x);
  EXPECT_EQ(x->alpha(), 128);
  // Black down the whole edge, and the white frame right beside it.
  auto shot = s().screenshot();
  ASSERT_TRUE(shot) << shot.error();
  EXPECT_TRUE(shot->all({0, 0, kStripWidth, h()}, near_black)) << s().record("strip-black").string();
  EXPECT_TRUE(near_white(shot->at(kStripWidth + 4, h() / 2)));

  // Out of the edge, past the cancel zone: back to its rest on the next tick.
  s().input().move_to({11, h() / 2});
  EXPECT_TRUE(wait_until(kWithinASecond, [&] {
    auto w = strip();
    return w && w->rect.x == kStripRest;
  })) << s().record("strip-out").string();

  auto settings = slatebar::form(s(), "frmSetting");
  ASSERT_TRUE(settings) << "no settings dialog";
  EXPECT_FALSE(settings->visible);
  EXPECT_EQ(settings->rect, (Rect{262, 159, 818, 425}));
  EXPECT_EQ(settings->style & style::kCaption, 0u) << "borderless";
  EXPECT_TRUE(settings->topmost());
  EXPECT_TRUE(settings->tool_window());
  EXPECT_TRUE(settings->layered());
  auto settings_x = s().x_window(settings->xid);
  ASSERT_TRUE(settings_x) << "no X window for the settings dialog";
  EXPECT_EQ(settings_x->alpha(), 250);
}

// Where every press that lists warns, a person lets go on seeing the
// warning and clicks its OK. The drag then ends: the list goes, nothing is
// switched to, the strip is back at rest, and what the person types next
// does not go to the strip. The next press lists afresh and warns again.
TEST_F(Switcher, APressWarnsAndAfterItsOkTheStripAndTheListAreAtRest) {
  auto desk_up = desk("switcher-press");
  ASSERT_TRUE(desk_up) << desk_up.error();
  const Point press{2, h() / 2};
  for (int round = 1; round <= 2; ++round) {
    SCOPED_TRACE(round);
    ASSERT_TRUE(strip_comes_in());
    auto pressed = strip::press(s(), press);
    ASSERT_TRUE(pressed) << pressed.error();
    // The keyboard is not left on the strip. Under Wine it does not go back
    // to the upper window either: after each box answered with a click,
    // Wine's desktop window was the foreground window (measured), where
    // the simulated desktop, following Windows, gives it back to the
    // window that had it.
    auto not_ours = [&] {
      auto list = s().windows();
      if (!list) return false;
      auto fg = list->foreground_window();
      return !fg || !fg->class_name.starts_with("Slatebar");
    };
    EXPECT_TRUE(wait_until(3s, not_ours) && (std::this_thread::sleep_for(1s), not_ours()))
        << "the foreground window after the box is " << foreground() << "; " << s().record("press-fg").string();
    auto frame = slatebar::form(s(), "Slatebar");
    ASSERT_TRUE(frame);
    EXPECT_FALSE(frame->visible) << "a press hides the browser frame";
    auto list = list_form();
    ASSERT_TRUE(list);
    EXPECT_FALSE(list->visible);
    EXPECT_FALSE(lower_in_front(*desk_up)) << "the press switched; " << s().record("press-switched").string();
  }
  EXPECT_TRUE(desk_up->program.process->running());
}

}  // namespace
}  // namespace e2e
