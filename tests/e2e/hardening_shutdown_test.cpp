// Ending the program in the middle of things: a close request to the main
// window during a lock-screen drag (the nested polling loop with the
// button held), during a drag out of the left-edge strip, while an About
// splash fades in, and while a message box is up. Each situation is seen
// to be reached before the request. Each ends with exit code 0, and
// nothing of the program is left running in the prefix.
#include <algorithm>
#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>
#include <string>
#include <thread>

#include "driver/actions_menu.h"
#include "driver/message_boxes.h"
#include "driver/slatebar.h"
#include "driver/strip.h"
#include "e2e_test.h"

namespace e2e {
namespace {

namespace fs = std::filesystem;
using testing::E2eTest;

// Unix processes of this prefix whose command line names the exe (other
// groups may run the program in prefixes of their own meanwhile).
int processes_named(std::string_view exe, const fs::path& prefix) {
  const std::string wanted = "WINEPREFIX=" + prefix.string();
  int n = 0;
  std::error_code ec;
  for (const auto& e : fs::directory_iterator("/proc", ec)) {
    auto read = [&](const char* name) {
      std::ifstream in(e.path() / name, std::ios::binary);
      return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    };
    if (read("cmdline").find(exe) == std::string::npos) continue;
    const std::string env = read("environ");
    for (std::size_t at = 0; at < env.size();) {
      const std::size_t end = std::min(env.find('\0', at), env.size());
      if (env.compare(at, end - at, wanted) == 0) {
        ++n;
        break;
      }
      at = end + 1;
    }
  }
  return n;
}

class Shutdown : public E2eTest {
 protected:
  std::optional<std::string> unavailable() const override { return slatebar::unavailable(); }

  // Posts the close request, lets go of the button, and judges the end.
  void expect_clean_end(WineProcess& process, std::unique_ptr<ButtonHold>& hold) {
    auto posted = s().close_class(slatebar::kBarClass);
    ASSERT_TRUE(posted) << posted.error();
    EXPECT_GE(*posted, 1);
    // The drag loops end on the quit itself; the release comes late on
    // purpose, after the program had its chance to end inside the loop.
    std::this_thread::sleep_for(1s);
    hold.reset();
    const auto status = process.wait_exit(30s);
    ASSERT_TRUE(status) << "still running after the close request";
    EXPECT_TRUE(status->exited_with(0)) << *status;
    EXPECT_EQ(processes_named("slatebar.exe", s().prefix().path()), 0) << "a process of the program is left";
    EXPECT_TRUE(s().end_wine());
  }
};

TEST_F(Shutdown, ExitInTheMiddleOfThings) {
  const ScreenSize screen = s().screen();
  const Point middle{screen.width / 2, screen.height / 2};
  struct Row {
    const char* what;
    bool answer_start_boxes;
    // Brings the program into the situation; may leave a button held.
    std::function<void(std::unique_ptr<ButtonHold>&)> situation;
  };
  const Row rows[] = {
      {"during a lock-screen drag", true,
       [&](std::unique_ptr<ButtonHold>& hold) {
         s().input().move_to({middle.x, screen.height - 60});
         hold = std::make_unique<ButtonHold>(s().input(), Button::Left);
         strip::drag_held(s(), {middle.x, screen.height - 60}, {middle.x, screen.height - 300});
         ASSERT_TRUE(wait_until(5s, [&] {
           auto lock = slatebar::form(s(), "frmLogon");
           return lock && lock->visible && lock->rect.y < 0;
         })) << "the lock screen did not follow the drag";
       }},
      {"while the left-edge strip's warning is up", true,
       [&](std::unique_ptr<ButtonHold>&) {
         // Unlocked first, so that the strip is not behind the lock screen,
         // and with another program's window for the list to show. The
         // person has let go on seeing the warning and not yet clicked OK.
         ASSERT_TRUE(slatebar::unlock_started(s()));
         auto other = s().open_window(WindowSpec::of("ShutdownOther", "Other window").at({600, 100, 300, 200}));
         ASSERT_TRUE(other) << other.error();
         ASSERT_TRUE(strip::comes_in(s()));
         s().input().move_to({2, middle.y});
         {
           ButtonHold press(s().input(), Button::Left);
           auto box = wait_for_box(s(), "Warning", 10s);
           ASSERT_TRUE(box) << box.error();
         }
       }},
      {"while an About splash fades in", true,
       [&](std::unique_ptr<ButtonHold>&) {
         ASSERT_TRUE(actions::choose(s(), actions::kAbout));
         ASSERT_TRUE(wait_until(10s, [&] { return actions::visible_titled(s(), "FormSplash"); }))
             << "no splash";
       }},
      {"while the start-up message box is up", false,
       [&](std::unique_ptr<ButtonHold>&) {
         auto box = wait_for_box(s(), slatebar::kTitle, 60s);
         ASSERT_TRUE(box) << box.error();
       }},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.what);
    s().input().move_to({screen.width - 1, middle.y});
    WineProcess* process = nullptr;
    if (row.answer_start_boxes) {
      auto started = slatebar::start(s(), "shutdown");
      ASSERT_TRUE(started) << started.error();
      process = started->process;
    } else {
      auto launched = slatebar::launch_copy(s(), "shutdown");
      ASSERT_TRUE(launched) << launched.error();
      process = &launched->get();
    }
    std::unique_ptr<ButtonHold> hold;
    row.situation(hold);
    if (::testing::Test::HasFatalFailure()) return;
    ASSERT_TRUE(process->running()) << "the program ended before the close request";
    expect_clean_end(*process, hold);
  }
}

}  // namespace
}  // namespace e2e
