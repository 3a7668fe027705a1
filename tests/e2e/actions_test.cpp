// The icon bar's actions under Wine: its context menu opens on a right
// click, Lock brings the lock screen back over everything at the top of
// the screen, the Start, Search and Connect icons show the browser frame
// and navigate it, the Share and Settings icons say they are not there
// yet, and Exit ends the program with exit code 0, a splash still open or
// not.
#include <cctype>
#include <thread>
#include <vector>

#include "driver/actions_menu.h"
#include "driver/location_bar.h"
#include "driver/message_boxes.h"
#include "driver/ocr.h"
#include "driver/screen_wait.h"
#include "driver/strip.h"
#include "e2e_test.h"

namespace e2e {
namespace {

using testing::E2eTest;

class Actions : public E2eTest {
 protected:
  std::optional<std::string> unavailable() const override { return slatebar::unavailable(); }

  std::optional<WinWindow> titled(std::string_view title) { return slatebar::form(s(), title); }

  // The lock screen pushed away with a drag from its bottom band, as a
  // person opens it, and the welcome screen gone after it.
  ::testing::AssertionResult unlock() {
    slatebar::drag_lock_screen(s(), 400, 40);
    const bool open = wait_until(20s, [&] {
      auto lock = titled("frmLogon");
      auto welcome = titled("frmWelcome");
      return lock && !lock->visible && welcome && !welcome->visible;
    });
    if (!open) return ::testing::AssertionFailure() << "the lock and welcome screens did not go";
    return ::testing::AssertionSuccess();
  }

  // Another program's window, opened over what is there, in a colour the
  // screen can be searched for.
  static constexpr Rect kOtherAt{200, 150, 300, 200};
  static constexpr Rgb kOtherColour{0x20, 0xA0, 0x40};
  static constexpr Rect kInsideOther{kOtherAt.x + 20, kOtherAt.y + 40, kOtherAt.width - 40, kOtherAt.height - 60};
  std::vector<HelperWindow> others_;

  ::testing::AssertionResult open_other() {
    const std::string n = std::to_string(others_.size() + 1);
    auto w = s().open_window(WindowSpec::of("IconsOther" + n, "Other window " + n).at(kOtherAt).filled(kOtherColour));
    if (!w) return ::testing::AssertionFailure() << w.error();
    others_.push_back(*w);
    return ::testing::AssertionSuccess();
  }

  // Whether the frame stands before the other window opened last in the
  // window manager's order; nothing while the frame is not up.
  std::optional<bool> frame_first() {
    auto list = s().windows();
    auto frame = titled("Slatebar");
    if (!list || !frame || !frame->visible) return std::nullopt;
    auto z_frame = list->z_index(frame->hwnd), z_other = list->z_index(others_.back().hwnd());
    if (!z_frame || !z_other) return std::nullopt;
    return *z_frame < *z_other;
  }

  // The frame's place against the other window opened last: in z-order,
  // and in what the screen shows where that window is; nothing while the
  // two disagree or the screen is between frames.
  std::optional<bool> frame_in_front() {
    const std::optional<bool> first = frame_first();
    auto shot = s().screenshot();
    if (!first || !shot) return std::nullopt;
    const double other_seen = shot->fraction(kInsideOther, near_to(kOtherColour, 16));
    if (*first && other_seen < 0.05) return true;
    if (!*first && other_seen > 0.95) return false;
    return std::nullopt;
  }

  // `by` says how the frame's coming to the front is judged: on the screen
  // as well as in the window manager's order, or in that order alone.
  enum class Judged { OnScreenToo, ByOrderAlone };
  ::testing::AssertionResult icon_brings_frame_in_front(actions::Icon icon, Judged by) {
    if (auto clicked = actions::click_icon(s(), icon); !clicked) {
      return ::testing::AssertionFailure() << clicked.error();
    }
    const bool front = wait_until(5s, [&] {
      return (by == Judged::OnScreenToo ? frame_in_front() : frame_first()) == true;
    });
    s().input().move_to({s().screen().width / 2, s().screen().height / 2});
    if (!front) {
      return ::testing::AssertionFailure() << "the frame is not shown in front; " << s().record("icons-front").string();
    }
    return ::testing::AssertionSuccess();
  }
};

TEST_F(Actions, LockBringsTheLockScreenBackAtTheTop) {
  auto started = slatebar::start(s(), "actions-lock");
  ASSERT_TRUE(started) << started.error();
  ASSERT_TRUE(unlock());

  auto menu = actions::open_context_menu(s());
  ASSERT_TRUE(menu) << menu.error();
  const Point pointer = s().input().pointer();
  EXPECT_TRUE((Rect{pointer.x - menu->rect.width, pointer.y - menu->rect.height, 2 * menu->rect.width,
                    2 * menu->rect.height})
                  .contains({menu->rect.x, menu->rect.y}))
      << "the menu opens at the pointer: " << menu->rect << " for " << pointer;
  ASSERT_TRUE(actions::choose_in(s(), *menu, actions::kLock));

  auto locked = wait_until(10s, [&] {
    auto lock = titled("frmLogon");
    return lock && lock->visible ? lock : std::nullopt;
  });
  ASSERT_TRUE(locked) << "the lock screen did not come back";
  EXPECT_EQ(locked->rect, (Rect{0, 0, s().screen().width, s().screen().height}));
  auto list = s().windows();
  ASSERT_TRUE(list) << list.error();
  const auto welcome = titled("frmWelcome");
  ASSERT_TRUE(welcome);
  EXPECT_TRUE(welcome->visible);
  EXPECT_LT(list->z_index(locked->hwnd), list->z_index(welcome->hwnd)) << "the lock screen lies over the welcome screen";
  for (const WinWindow& w : list->windows) {
    if (w.visible && w.hwnd != locked->hwnd && w.rect.width > 0 && w.class_name != slatebar::kBarClass &&
        w.class_name != "#32768") {
      EXPECT_LT(list->z_index(locked->hwnd), list->z_index(w.hwnd)) << w << " lies over the lock screen";
    }
  }
}

TEST_F(Actions, TheShareAndSettingsIconsSayNotYetImplemented) {
  auto started = slatebar::start(s(), "actions-share");
  ASSERT_TRUE(started) << started.error();
  ASSERT_TRUE(slatebar::unlock_started(s()));
  for (actions::Icon icon : {actions::Icon::Share, actions::Icon::Settings}) {
    SCOPED_TRACE(static_cast<int>(icon));
    ASSERT_TRUE(actions::click_icon(s(), icon));
    auto box = wait_for_box(s(), slatebar::kTitle);
    ASSERT_TRUE(box) << box.error();
    EXPECT_EQ(seen(*box), (BoxSeen{"Slatebar", "Not yet implemented", {"OK"}, false}));
    // Answered, the box hands the activation on, so the next icon is
    // reached with the pointer alone.
    ASSERT_TRUE(answer_box(s(), *box, Answer::Ok));
  }
  EXPECT_TRUE(started->process->running());
}

// Start, Search and Connect each show a hidden browser frame in front of
// another program's window. A press on the strip is the program's one way
// to hide the frame. Each icon gets a fresh program: once the frame has
// been brought to the front, Wine was seen to stack its X window over the
// always-on-top strip (which Wine's own window order still had first), so
// a later press on the strip met the frame; Windows keeps the band.
class FromHidden : public Actions, public ::testing::WithParamInterface<actions::Icon> {};

TEST_P(FromHidden, TheIconShowsTheFrameInFrontOfAnotherWindow) {
  auto started = slatebar::start(s(), "actions-hidden");
  ASSERT_TRUE(started) << started.error();
  ASSERT_TRUE(slatebar::unlock_started(s()));
  ASSERT_TRUE(open_other());
  ASSERT_TRUE(strip::comes_in(s()));
  auto pressed = strip::press(s(), {2, s().screen().height / 2});
  ASSERT_TRUE(pressed) << pressed.error();
  ASSERT_TRUE(wait_until(5s, [&] {
    auto frame = titled("Slatebar");
    return frame && !frame->visible;
  })) << "the press on the strip did not hide the frame";
  // Back into the other window, as a person goes on after the box.
  s().input().click_at(kInsideOther.center());
  EXPECT_TRUE(icon_brings_frame_in_front(GetParam(), Judged::OnScreenToo));
}

INSTANTIATE_TEST_SUITE_P(Icons, FromHidden,
                         ::testing::Values(actions::Icon::Start, actions::Icon::Search, actions::Icon::Connect),
                         [](const auto& info) -> std::string {
                           switch (info.param) {
                             case actions::Icon::Start: return "Start";
                             case actions::Icon::Search: return "Search";
                             default: return "Connect";
                           }
                         });

// Start and Connect bring a frame that is up but behind a window opened
// since to the front. That is judged by the window manager's order alone:
// Wine restacks a window's X window only when it becomes the first visible
// window in that order (winex11.drv's window.c, sync_window_position:
// "should use stack_mode Below but most window managers don't get it
// right"), and here the bar and the strip stand above it in the
// always-on-top band, so the screen keeps showing the other window. On
// Windows the order is what the screen shows. That Search leaves a visible
// frame where it stands is held by the simulated desktop's scenario tests:
// here, when a navigation completes, Wine's control takes the focus, which
// can activate the frame and so raise it. Wine has no HTML engine here,
// so the page stays blank; what a person can read is the address in the
// location bar, after Start and after Search.
//
// Wine gives a local page's location as "file://" and the DOS path, where
// Windows gives "file:///C:/..."; only the latter begins with "file:///",
// the mark of a local location the bar never shows, so under Wine the
// start page's location is shown too. The program is installed under C:
// for this test, so its address reads the same wherever the project is
// cloned: a long clone path runs on under the forward arrow, and OCR
// misread it.
TEST_F(Actions, StartAndConnectBringTheFrameForwardAndTheAddressFollows) {
  auto folder = slatebar::installed_copy(s(), "actions-icons");
  ASSERT_TRUE(folder) << folder.error();
  auto started = slatebar::start_in(s(), *folder);
  ASSERT_TRUE(started) << started.error();
  ASSERT_TRUE(slatebar::unlock_started(s()));
  for (actions::Icon icon : {actions::Icon::Start, actions::Icon::Connect}) {
    SCOPED_TRACE(static_cast<int>(icon));
    ASSERT_TRUE(open_other());
    ASSERT_TRUE(wait_until(5s, [&] { return frame_in_front() == false; }))
        << "the window opened last is not in front of the frame; " << s().record("icons-behind").string();
    EXPECT_TRUE(icon_brings_frame_in_front(icon, Judged::ByOrderAlone));
  }

  const ScreenSize size = s().screen();
  // The address as the location bar shows it, read once the bar is up
  // (the pointer on the bottom row); it runs on under the forward arrow.
  auto address = [&]() -> std::string {
    s().input().move_to({size.width / 2, size.height - 1});
    auto shot = wait_for_screen(s().x(), 5s, [&](const Screenshot& shot) {
      return location_bar::shown(shot, size);
    });
    if (!shot) return "(no location bar)";
    const Rect text = location_bar::address(size);
    auto words = read_white_text(*shot, {text.x, text.y, size.width - text.x, text.height});
    if (!words) return words.error();
    std::string joined;
    for (const std::string& line : lines_of(*words)) joined += line;
    return joined;
  };
  // What a person checks of an address: the page's own part, the search
  // page's host and the start page's name at the end, in whichever
  // separators OCR reads.
  auto page_part = [](std::string a) {
    std::string out;
    for (char c : a) {
      if (c == ' ') continue;
      out += (c == '\\' || c == '|') ? '/' : static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    return out;
  };
  auto is_search_page = [&](const std::string& a) {
    return page_part(a).find("html.duckduckgo.com/html") != std::string::npos;
  };
  auto is_start_page = [&](const std::string& a) {
    const std::string p = page_part(a);
    return p.starts_with("file:") && p.ends_with("menu/index.htm");
  };
  for (actions::Icon icon : {actions::Icon::Start, actions::Icon::Search}) {
    SCOPED_TRACE(static_cast<int>(icon));
    ASSERT_TRUE(actions::click_icon(s(), icon));
    std::string last;
    const bool there = wait_until(10s, [&] {
      last = address();
      return icon == actions::Icon::Search ? is_search_page(last) : is_start_page(last);
    });
    EXPECT_TRUE(there) << "the address reads \"" << last << "\"; " << s().record("icons-address").string();
    s().input().move_to({size.width / 2, size.height / 2});
  }
  EXPECT_TRUE(started->process->running());
}

TEST_F(Actions, ExitWithASplashOpenEndsTheProgramWithExitCodeZero) {
  auto started = slatebar::start(s(), "actions-exit");
  ASSERT_TRUE(started) << started.error();
  // The splash closes by itself after about four seconds; when the menu
  // took longer than that to open on a loaded machine, Escape closes it and
  // About is chosen again.
  bool splash_under_menu = false;
  std::expected<WinWindow, std::string> menu = std::unexpected("not opened");
  for (int attempt = 0; attempt < 3 && !splash_under_menu; ++attempt) {
    if (attempt > 0) s().input().tap(XK_Escape);
    ASSERT_TRUE(actions::choose(s(), actions::kAbout));
    ASSERT_TRUE(wait_until(15s, [&] { return actions::visible_titled(s(), "FormSplash"); })) << "no splash";
    menu = actions::open_context_menu(s());
    ASSERT_TRUE(menu) << menu.error();
    splash_under_menu = static_cast<bool>(actions::visible_titled(s(), "FormSplash"));
  }
  ASSERT_TRUE(splash_under_menu) << "the splash went before the menu opened, three times";
  ASSERT_TRUE(actions::choose_in(s(), *menu, actions::kExit));
  const auto status = started->process->wait_exit(30s);
  ASSERT_TRUE(status) << "the program runs on after Exit";
  EXPECT_TRUE(status->exited_with(0)) << *status;
  auto list = s().windows();
  ASSERT_TRUE(list) << list.error();
  EXPECT_TRUE(list->of_class(slatebar::kBarClass).empty());
  EXPECT_FALSE(actions::visible_titled(s(), "FormSplash"));
}

}  // namespace
}  // namespace e2e
