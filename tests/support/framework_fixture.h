// The browser frame on a simulated desktop: the program's application
// (titled as the program is) with the frame as its only form, its fake
// browser control, the location bar's tick and clicks on the bar's arrows.
#pragma once

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "forms/framework/framework.h"
#include "platform/sim/desktop.h"
#include "platform/sim/event_log.h"
#include "support/sim_app.h"
#include "ui/label.h"
#include "ui/panel.h"
#include "ui/picture.h"
#include "ui/timer.h"
#include "ui/web_browser.h"

namespace framework_test {

inline constexpr int kTick = 500;  // tmrLocationBar's interval

struct Screen {
  int width = 1024;
  int height = 768;
  std::optional<plat::RECT> work_area;  // nothing: the whole screen
};

class FrameWork : public ::testing::Test {
 protected:
  // The frame is not created yet; create() does that.
  FrameWork() : sim({.compositor = false}) { sim.app->set_title("Slatebar"); }

  void create(const Screen& screen = {}) {
    sim.desktop.set_screen_size(screen.width, screen.height);
    if (screen.work_area) sim.desktop.set_work_area(*screen.work_area);
    sim.app->create_form(frmFrameWork);
  }

  sim::FakeBrowser& browser() {
    auto* fake = dynamic_cast<sim::FakeBrowser*>(frmFrameWork->wb1->host());
    if (!fake) throw std::runtime_error("wb1 has no simulated control");
    return *fake;
  }

  // Runs the program until the location bar's next tick has been handled.
  void tick() { sim.desktop.advance(kTick); }

  // The pointer at a screen point, then one tick.
  void point_and_tick(int x, int y) {
    sim.desktop.move_pointer(x, y);
    tick();
  }

  // A left click at a screen point.
  void click_at(int x, int y) {
    sim.desktop.move_pointer(x, y);
    sim.desktop.press();
    sim.desktop.release();
    sim.desktop.advance(0);  // input is delivered by the message loop
  }

  // A click on one of the bar's arrows, with the frame shown and the
  // pointer on the bar long enough for it to appear.
  void click_arrow(const ui::Picture& arrow) {
    frmFrameWork->show();
    const plat::POINT at = arrow.origin_in_form();
    const int x = frmFrameWork->left() + at.x + arrow.width() / 2;
    const int y = frmFrameWork->top() + at.y + arrow.height() / 2;
    point_and_tick(x, y);
    ASSERT_TRUE(frmFrameWork->Panel1->visible()) << "the bar did not come up for the click";
    click_at(x, y);
  }

  // "caption | text | icon buttons" of every box shown so far.
  std::vector<std::string> boxes() const {
    std::vector<std::string> out;
    for (const auto& b : const_cast<sim::Desktop&>(sim.desktop).dialogs().boxes()) {
      out.push_back(b.caption + " | " + b.text + " | " + sim::Dialogs::kind(b.type) + " " +
                    sim::Dialogs::buttons(b.type));
    }
    return out;
  }

  support::SimApp sim;
};

inline void expect_sequence(const std::vector<std::string>& expected, const std::vector<std::string>& actual) {
  EXPECT_EQ(expected, actual) << sim::side_by_side(expected, actual);
}

}  // namespace framework_test
