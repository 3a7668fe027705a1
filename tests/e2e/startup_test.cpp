// The program's start and end under Wine: one instance at a time, found
// by its icon bar's class from any process, and a close request to the
// main window ending it with exit code 0.
#include <set>

#include "driver/message_boxes.h"
#include "driver/paths.h"
#include "driver/slatebar.h"
#include "driver/wait.h"
#include "e2e_test.h"

namespace e2e {
namespace {

using testing::E2eTest;

class Startup : public E2eTest {
 protected:
  std::optional<std::string> unavailable() const override { return slatebar::unavailable(); }

  // Windows a person could see: visible on the Windows side.
  std::set<std::uint64_t> visible_windows() {
    std::set<std::uint64_t> out;
    if (auto list = s().windows()) {
      for (const WinWindow& w : list->windows) {
        if (w.visible) out.insert(w.hwnd);
      }
    }
    return out;
  }

  // X windows of a process that are on the screen.
  std::vector<XWindowInfo> mapped_x_windows(const WineProcess& process) {
    std::vector<XWindowInfo> out;
    for (XWindowInfo& w : process.x_windows(s().x())) {
      if (w.mapped) out.push_back(std::move(w));
    }
    return out;
  }
};

TEST_F(Startup, TheIconBarWindowExistsAndTheCompositorNoticeWasShown) {
  auto started = slatebar::start(s(), "first-start");
  ASSERT_TRUE(started) << started.error();
  EXPECT_EQ(started->bar.class_name, slatebar::kBarClass);
  EXPECT_TRUE(started->process->running()) << "the program ended after its start";
  // Composition is off under Wine, so every start here says so, in a plain
  // message box of the program's title.
  const BoxSeen notice{"Slatebar", "Aero Disabled", {"OK"}, false};
  EXPECT_NE(std::find(started->boxes.begin(), started->boxes.end(), notice), started->boxes.end())
      << "boxes seen: " << ::testing::PrintToString(started->boxes);
  EXPECT_FALSE(mapped_x_windows(*started->process).empty()) << "nothing of the program is on the screen";
}

TEST_F(Startup, ASecondStartExitsWithCodeZeroAndAddsNoVisibleWindow) {
  auto first = slatebar::start(s(), "second-start");
  ASSERT_TRUE(first) << first.error();
  const auto before = visible_windows();

  auto second = slatebar::launch_copy(s(), "second-start-again");
  ASSERT_TRUE(second) << second.error();
  const auto status = second->get().wait_exit(20s);
  ASSERT_TRUE(status) << "the second start is still running";
  EXPECT_TRUE(status->exited_with(0)) << *status;

  EXPECT_EQ(visible_windows(), before);
  EXPECT_TRUE(mapped_x_windows(second->get()).empty());
  EXPECT_TRUE(first->process->running()) << "the second start ended the first";
}

// A window of the bar's class from another program, shown or not, means
// Slatebar is already running: the start creates nothing and exits 0.
TEST_F(Startup, AForeignWindowOfTheBarClassBlocksStartUp) {
  struct Row {
    const char* what;
    WindowSpec foreign;
  };
  const Row rows[] = {
      {"visible", WindowSpec::of(std::string(slatebar::kBarClass), "Not Slatebar").at({300, 200, 240, 160})},
      {"hidden", WindowSpec::of(std::string(slatebar::kBarClass), "Not Slatebar either").unshown()},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.what);
    auto foreign = s().open_window(row.foreign);
    ASSERT_TRUE(foreign) << foreign.error();
    const auto before = visible_windows();

    auto program = slatebar::launch_copy(s(), "blocked");
    ASSERT_TRUE(program) << program.error();
    const auto status = program->get().wait_exit(20s);
    ASSERT_TRUE(status) << "the program runs beside a foreign window of its class";
    EXPECT_TRUE(status->exited_with(0)) << *status;

    EXPECT_EQ(visible_windows(), before);
    EXPECT_TRUE(mapped_x_windows(program->get()).empty());
    auto list = s().windows();
    ASSERT_TRUE(list) << list.error();
    const auto of_class = list->of_class(slatebar::kBarClass);
    ASSERT_EQ(of_class.size(), 1u) << "only the foreign window has the class";
    EXPECT_EQ(of_class.front().hwnd, foreign->hwnd());
    ASSERT_TRUE(s().end_wine());
  }
}

TEST_F(Startup, ACloseRequestToTheMainWindowEndsTheProgramWithExitCodeZero) {
  auto started = slatebar::start(s(), "close-request");
  ASSERT_TRUE(started) << started.error();
  auto posted = s().close_class(slatebar::kBarClass);
  ASSERT_TRUE(posted) << posted.error();
  ASSERT_GE(*posted, 1);
  const auto status = started->process->wait_exit(30s);
  ASSERT_TRUE(status) << "the program runs on after the close request";
  EXPECT_TRUE(status->exited_with(0)) << *status;
  EXPECT_TRUE(mapped_x_windows(*started->process).empty());
  auto list = s().windows();
  ASSERT_TRUE(list) << list.error();
  EXPECT_TRUE(list->of_class(slatebar::kBarClass).empty());
}

}  // namespace
}  // namespace e2e
