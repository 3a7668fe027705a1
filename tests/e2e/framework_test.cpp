// The browser frame under Wine, once the lock screen has been pushed away
// and the welcome screen has gone: a screen-sized layered tool window at
// the work area's origin, behind the always-on-top screens; its black
// location bar with the two white arrows comes up while the pointer is on
// the screen's bottom rows and goes when it leaves them; forward with
// nothing ahead does nothing, back with nothing behind shows the standard
// error box, and the program runs on.
//
// Wine has no HTML engine here, so the page itself shows nothing; what the
// control does instead is written down in docs/architecture.md.
#include <chrono>

#include "driver/input.h"
#include "driver/location_bar.h"
#include "driver/message_boxes.h"
#include "driver/screen_wait.h"
#include "driver/slatebar.h"
#include "driver/wait.h"
#include "e2e_test.h"

namespace e2e {
namespace {

using namespace std::chrono_literals;
using testing::E2eTest;

// The bar is looked at on its 500 ms tick; a second covers one tick and
// the time the screen takes to show it.
constexpr auto kWithinATick = 1s;

class Frame : public E2eTest {
 protected:
  std::optional<std::string> unavailable() const override { return slatebar::unavailable(); }

  std::optional<WinWindow> form(std::string_view title) { return slatebar::form(s(), title); }

  // Starts the program, pushes the lock screen up 300 pixels from its
  // bottom band and waits until the welcome screen has gone too.
  ::testing::AssertionResult start_unlocked(std::string_view copy) {
    auto started = slatebar::start(s(), copy);
    if (!started) return ::testing::AssertionFailure() << started.error();
    auto open = slatebar::unlock_started(s());
    if (!open) return ::testing::AssertionFailure() << open.error();
    return ::testing::AssertionSuccess();
  }

  void check_frame(ScreenSize size) {
    ASSERT_TRUE(resize(size));
    ASSERT_TRUE(start_unlocked("frame"));

    auto frame = form("Slatebar");
    ASSERT_TRUE(frame) << "no browser frame window";
    EXPECT_TRUE(frame->visible);
    EXPECT_FALSE(frame->topmost());
    EXPECT_TRUE(frame->tool_window()) << "off the taskbar";
    EXPECT_TRUE(frame->layered());
    EXPECT_EQ(frame->style & style::kCaption, 0u) << "no border";
    // No taskbar here: the work area is the whole screen.
    EXPECT_EQ(frame->rect, (Rect{0, 0, size.width, size.height}));

    // The pointer on the bottom row, anywhere across: the bar comes up.
    s().input().move_to({size.width / 2, size.height - 1});
    auto shown = wait_for_screen(s().x(), kWithinATick, [&](const Screenshot& shot) {
      return location_bar::shown(shot, size);
    });
    ASSERT_TRUE(shown) << "no bar with both arrows; " << s().record("frame-bar-shown").string();

    // One row above the bar's top: it goes.
    s().input().move_to({size.width / 2, size.height - location_bar::kHeight - 1});
    auto hidden = wait_until(kWithinATick, [&] {
      auto shot = s().screenshot();
      return shot && location_bar::gone(*shot, size);
    });
    EXPECT_TRUE(hidden) << "the bar stayed; " << s().record("frame-bar-hidden").string();

    // Forward with nothing ahead does nothing; back with nothing behind
    // shows the standard error box with the control's text. Forward is
    // clicked first, so a box of its own would be the first one to come.
    const Point forward = location_bar::forward_arrow(size).center(), back = location_bar::back_arrow(size).center();
    s().input().move_to(forward);
    ASSERT_TRUE(wait_until(kWithinATick * 2, [&] {
      auto shot = s().screenshot();
      return shot && location_bar::shown(*shot, size);
    })) << "the bar did not come up for the click";
    s().input().click(Button::Left);
    s().input().click_at(back);
    auto box = wait_for_box(s(), slatebar::kTitle, 10s);
    ASSERT_TRUE(box) << box.error();
    auto boxes = s().dialogs();
    ASSERT_TRUE(boxes) << boxes.error();
    EXPECT_EQ(boxes->size(), 1u) << "forward showed a box of its own";
    // The system's own text for E_FAIL (Wine's: "Call failed"), then the call.
    const std::string text = box->text();
    EXPECT_TRUE(text.ends_with(" (GoBack: 0x80004005)") && text.size() > 21) << text;
    EXPECT_EQ(box->buttons(), std::vector<std::string>{"OK"});
    EXPECT_TRUE(box->has_icon());
    ASSERT_TRUE(answer_box(s(), *box, Answer::Ok));

    s().input().move_to({size.width / 2, size.height / 2});
    EXPECT_TRUE(wait_until(kWithinATick * 2, [&] {
      auto shot = s().screenshot();
      return shot && location_bar::gone(*shot, size);
    })) << "the bar no longer follows the pointer after the box";
    auto still = form("Slatebar");
    ASSERT_TRUE(still) << "the program is gone";
    EXPECT_TRUE(still->visible);
  }
};

TEST_F(Frame, AtTheDefaultSize) { check_frame({1024, 768, 24}); }

// The forward arrow keeps its place at 656 on a narrow screen.
TEST_F(Frame, OnANarrowScreen) { check_frame({800, 600, 24}); }

}  // namespace
}  // namespace e2e
