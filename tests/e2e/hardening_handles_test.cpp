// Handles and memory stay flat over many repetitions of what a person does
// all day: the bar slid in and out, the screen locked and opened, the
// About splash shown, the left-edge strip pressed. After a warm-up of each
// (first fonts, first pictures scaled, first thumbnails), the GDI and USER
// object counts and the private memory may grow by a small constant at
// most (under Wine, whose object counters read 0, the process's heap as
// Linux counts it stands for them). SLATEBAR_E2E_SOAK=<n> multiplies the
// repetitions: 1 by default (about four minutes), 10 for 1000 bar cycles,
// 100 locks, 100 splashes and 250 presses.
#include <X11/keysym.h>

#include <cstdlib>
#include <functional>
#include <iostream>
#include <thread>

#include "e2e/message_boxes.h"
#include "e2e/slatebar.h"
#include "e2e_test.h"

namespace e2e {
namespace {

using testing::E2eTest;

int soak() {
  const char* v = std::getenv("SLATEBAR_E2E_SOAK");
  const int n = v ? std::atoi(v) : 1;
  return n > 0 ? n : 1;
}

class Handles : public E2eTest {
 protected:
  std::optional<std::string> unavailable() const override { return slatebar::unavailable(); }

  Resources counts() {
    auto r = s().resources_of_class(slatebar::kBarClass);
    EXPECT_TRUE(r) << r.error();
    return r ? *r : Resources{};
  }

  // Right-clicks the bar's window and picks the context menu's item by
  // its position (About is first, Lock second; separators are skipped).
  void menu_item(int downs) {
    auto list = s().windows();
    ASSERT_TRUE(list) << list.error();
    auto bar = list->first_of_class(slatebar::kBarClass);
    ASSERT_TRUE(bar);
    s().input().click_at({bar->rect.x + bar->rect.width / 2, bar->rect.y + bar->rect.height / 2}, Button::Right);
    std::this_thread::sleep_for(600ms);
    for (int i = 0; i < downs; ++i) s().input().tap(XK_Down);
    s().input().tap(XK_Return);
  }
};

TEST_F(Handles, StayFlatOverRepeatedUse) {
  auto started = slatebar::start(s(), "handles");
  ASSERT_TRUE(started) << started.error();
  const ScreenSize screen = s().screen();
  const Point middle{screen.width / 2, screen.height / 2};
  auto unlock = [&] {
    s().input().drag({middle.x, screen.height - 60}, {middle.x, 60}, 20);
    std::this_thread::sleep_for(2500ms);
  };
  unlock();

  struct Activity {
    const char* what;
    int repetitions;
    std::function<void()> once;
  };
  const Activity activities[] = {
      {"bar slid in and out", 100 * soak(),
       [&] {
         s().input().move_to({screen.width - 1, middle.y});
         std::this_thread::sleep_for(450ms);
         s().input().move_to(middle);
         std::this_thread::sleep_for(350ms);
       }},
      {"locked and opened", 10 * soak(),
       [&] {
         s().input().move_to({screen.width - 1, middle.y});
         std::this_thread::sleep_for(500ms);
         menu_item(2);
         std::this_thread::sleep_for(800ms);
         s().input().move_to(middle);
         unlock();
       }},
      {"About splash shown", 10 * soak(),
       [&] {
         s().input().move_to({screen.width - 1, middle.y});
         std::this_thread::sleep_for(500ms);
         menu_item(1);
         s().input().move_to(middle);
         std::this_thread::sleep_for(4600ms);  // it closes itself after 4096 ms
       }},
      {"left-edge strip pressed", 25 * soak(),
       [&] {
         s().input().move_to({0, middle.y});
         std::this_thread::sleep_for(400ms);
         s().input().click_at({2, middle.y});
         std::this_thread::sleep_for(300ms);
         s().input().move_to(middle);
         std::this_thread::sleep_for(300ms);
       }},
  };
  for (const Activity& a : activities) {
    SCOPED_TRACE(a.what);
    for (int i = 0; i < 3; ++i) a.once();
    std::this_thread::sleep_for(1s);
    const Resources before = counts();
    const auto heap_before = started->process->memory();
    for (int i = 0; i < a.repetitions; ++i) a.once();
    std::this_thread::sleep_for(1s);
    const Resources after = counts();
    const auto heap_after = started->process->memory();
    ASSERT_TRUE(heap_before && heap_after);
    std::cout << a.what << ": anonymous resident KiB " << heap_before->anonymous_kb << " -> "
              << heap_after->anonymous_kb << std::endl;
    // Wine's own counters read 0 for objects and private bytes; the heap
    // as Linux sees it is the figure that grows with a leak there.
    EXPECT_LE(heap_after->anonymous_kb, heap_before->anonymous_kb + 4096);
    std::cout << a.what << " x" << a.repetitions << ": GDI " << before.gdi_objects << " -> " << after.gdi_objects
              << ", USER " << before.user_objects << " -> " << after.user_objects << ", private KiB "
              << before.private_bytes / 1024 << " -> " << after.private_bytes / 1024 << std::endl;
    EXPECT_LE(after.gdi_objects, before.gdi_objects + 4);
    EXPECT_LE(after.user_objects, before.user_objects + 4);
    EXPECT_LE(after.private_bytes, before.private_bytes + (2u << 20));
    ASSERT_TRUE(started->process->running()) << "the program ended";
  }
}

}  // namespace
}  // namespace e2e
