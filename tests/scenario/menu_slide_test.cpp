// The icon bar's edge slide, tick by tick: each scenario is a list of
// steps (what the test does, then the bar's state after each following
// tick), compared as one sequence. Every scenario runs at two screen
// sizes; positions are written relative to the screen width W.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "support/menu_fixture.h"

namespace {

using menu_test::BarDesk;

struct Step {
  std::string what;
  std::function<void(BarDesk&)> act;
  std::vector<std::string> after_ticks;  // one state per tick
};

struct Scenario {
  const char* name;
  std::vector<Step> steps;
};

std::vector<std::string> times(int n, const std::string& state) { return std::vector<std::string>(n, state); }

std::vector<std::string> join(std::initializer_list<std::vector<std::string>> parts) {
  std::vector<std::string> out;
  for (const auto& p : parts) out.insert(out.end(), p.begin(), p.end());
  return out;
}

// Pointer positions relative to the screen's right edge.
std::function<void(BarDesk&)> pointer(int from_w) {
  return [from_w](BarDesk& d) { d.pointer_at(d.width() + from_w); };
}
std::function<void(BarDesk&)> pointer_mid() {
  return [](BarDesk& d) { d.pointer_at(d.width() / 2); };
}
const std::function<void(BarDesk&)> nothing = [](BarDesk&) {};

constexpr const char* kRest = "60,50,40,50,60";
constexpr const char* kIn = "0,0,0,0,0";

std::string st(const char* bar, const char* icons, const char* clock, const char* fly, const char* out) {
  return std::string("bar ") + bar + " icons " + icons + " clock " + clock + " fly " + fly + " out " + out;
}

// The bar off-screen and idle, as it is after its first slide-out: on the
// 9th tick from the start the slide-out finds it off-screen and stops.
const Step kToHidden{"pointer in the middle, bar slides out from W-64", pointer_mid(),
                     join({{st("W-64", kRest, "hidden", "off", "on")},
                           {st("W-54", kRest, "hidden", "off", "on"), st("W-44", kRest, "hidden", "off", "on"),
                            st("W-34", kRest, "hidden", "off", "on"), st("W-24", kRest, "hidden", "off", "on"),
                            st("W-14", kRest, "hidden", "off", "on"), st("W-4", kRest, "hidden", "off", "on"),
                            st("W+6", kRest, "hidden", "off", "on")},
                           {st("W+6", kRest, "hidden", "off", "off")}})};

// From hidden, the pointer on the last column: six moves in, the fly-in
// switched on by the 7th edge tick, the icons settled six ticks later.
const Step kSlideIn{"pointer on the last column", pointer(-1),
                    {st("W-4", kRest, "shown", "off", "off"), st("W-14", kRest, "shown", "off", "off"),
                     st("W-24", kRest, "shown", "off", "off"), st("W-34", kRest, "shown", "off", "off"),
                     st("W-44", kRest, "shown", "off", "off"), st("W-54", kRest, "shown", "off", "off"),
                     st("W-54", kRest, "shown", "on", "off"), st("W-54", "50,40,30,40,50", "shown", "on", "off"),
                     st("W-54", "40,30,20,30,40", "shown", "on", "off"),
                     st("W-54", "30,20,10,20,30", "shown", "on", "off"),
                     st("W-54", "20,10,0,10,20", "shown", "on", "off"),  // centre icon in after 4
                     st("W-54", "10,0,0,0,10", "shown", "on", "off"),    // its neighbours after 5
                     st("W-54", kIn, "shown", "on", "off"),              // the outer two after 6
                     st("W-54", kIn, "shown", "on", "off"), st("W-54", kIn, "shown", "on", "off")}};

const Step kPartlyIn{"pointer on the last column for three ticks", pointer(-1),
                     {st("W-4", kRest, "shown", "off", "off"), st("W-14", kRest, "shown", "off", "off"),
                      st("W-24", kRest, "shown", "off", "off")}};

// The application window keeps the activation it is handed only while no
// window can take it from it: here both of ours are disabled.
std::function<void(BarDesk&)> app_window_foreground() {
  return [](BarDesk& d) {
    plat::os().EnableWindow(d.bar().handle(), 0);
    plat::os().EnableWindow(d.clock().handle(), 0);
    plat::os().SetForegroundWindow(d.app->handle());
  };
}
std::function<void(BarDesk&)> bar_activated_again() {
  return [](BarDesk& d) {
    plat::os().EnableWindow(d.bar().handle(), 1);
    plat::os().EnableWindow(d.clock().handle(), 1);
    plat::os().SetForegroundWindow(d.bar().handle());
  };
}
std::function<void(BarDesk&)> another_program_activated() {
  return [](BarDesk& d) {
    sim::ForeignWindow editor;
    editor.class_name = "Editor";
    editor.title = "Notes";
    d.desktop.activate_foreign(d.desktop.add_foreign_window(editor));
  };
}

const std::vector<Scenario>& scenarios() {
  static const std::vector<Scenario> all = {
      {"the first slide-out from the start position",
       {kToHidden,
        // While hidden the slide-out is switched on by each pointer-watch
        // tick and off by its own next tick; nothing moves.
        {"pointer stays", nothing,
         {st("W+6", kRest, "hidden", "off", "on"), st("W+6", kRest, "hidden", "off", "off"),
          st("W+6", kRest, "hidden", "off", "on")}}}},
      {"slide-in, fly-in, then a slide-out after the pointer goes one pixel left of the bar",
       {kToHidden, kSlideIn,
        {"pointer one pixel left of the bar", pointer(-55),
         {st("W-54", kIn, "shown", "off", "on"), st("W-44", kIn, "shown", "off", "on"),
          st("W-34", kIn, "shown", "off", "on"), st("W-24", kIn, "shown", "off", "on"),
          st("W-14", kIn, "shown", "off", "on"), st("W-4", kIn, "shown", "off", "on"),
          st("W+6", kIn, "shown", "off", "on"),
          // off-screen: the next slide-out tick puts the icons back and
          // hides the panel
          st("W+6", kRest, "hidden", "off", "off")}}}},
      // The pointer reaches the edge while the slide-out is armed (every
      // other tick while hidden): both timers come due together, and the
      // slide-out must not pull the bar back out.
      {"slide-in starting on a tick where the slide-out is armed",
       {kToHidden, {"pointer stays one more tick", nothing, {st("W+6", kRest, "hidden", "off", "on")}}, kSlideIn}},
      {"the pointer on the bar's left column keeps the bar in", {kToHidden, kSlideIn,
        {"pointer on the bar's left column", pointer(-54), times(3, st("W-54", kIn, "shown", "on", "off"))}}},
      {"the pointer at W-2 never brings the bar in",
       {kToHidden,
        {"pointer one column short of the edge", pointer(-2),
         {st("W+6", kRest, "hidden", "off", "on"), st("W+6", kRest, "hidden", "off", "off"),
          st("W+6", kRest, "hidden", "off", "on"), st("W+6", kRest, "hidden", "off", "off")}}}},
      {"the pointer at W-2 keeps a shown bar in", {kToHidden, kSlideIn,
        {"pointer one column short of the edge", pointer(-2), times(3, st("W-54", kIn, "shown", "on", "off"))}}},
      {"the pointer in the 6-pixel strip keeps a shown bar in", {kToHidden, kSlideIn,
        {"pointer right of the bar", pointer(-6), times(3, st("W-54", kIn, "shown", "on", "off"))}}},
      {"a partly-in bar stays under a pointer on it, at W-2 and on its left column",
       {kToHidden, kPartlyIn,
        {"pointer on the bar", pointer(-10), times(2, st("W-24", kRest, "shown", "off", "off"))},
        {"pointer at W-2", pointer(-2), times(2, st("W-24", kRest, "shown", "off", "off"))},
        {"pointer on the bar's left column", pointer(-24), times(2, st("W-24", kRest, "shown", "off", "off"))},
        {"pointer one pixel left of it", pointer(-25),
         {st("W-24", kRest, "shown", "off", "on"), st("W-14", kRest, "shown", "off", "on")}}}},
      {"an edge tick while sliding out cancels the slide-out's move",
       {kToHidden, kPartlyIn,
        {"pointer left of the bar", pointer(-200),
         {st("W-24", kRest, "shown", "off", "on"), st("W-14", kRest, "shown", "off", "on")}},
        {"pointer back on the last column", pointer(-1), times(3, st("W-14", kRest, "shown", "off", "on"))},
        {"pointer left again", pointer(-200),
         {st("W-4", kRest, "shown", "off", "on"), st("W+6", kRest, "shown", "off", "on"),
          st("W+6", kRest, "hidden", "off", "off")}}}},
      {"nothing moves while the application window is the foreground window",
       {{"application window made foreground, pointer in the middle",
         [](BarDesk& d) {
           app_window_foreground()(d);
           pointer_mid()(d);
         },
         times(3, st("W-64", kRest, "hidden", "off", "off"))},
        {"pointer on the last column", pointer(-1), times(3, st("W-64", kRest, "hidden", "off", "off"))},
        {"the bar activated again", bar_activated_again(),
         {st("W-64", kRest, "shown", "on", "off"), st("W-64", "50,40,30,40,50", "shown", "on", "off")}}}},
      {"losing activation while partly in slides the bar out at once",
       {kToHidden, kPartlyIn, {"pointer in the strip", pointer(-3), {st("W-24", kRest, "shown", "off", "off")}},
        {"another program activated", another_program_activated(),
         {st("W-14", kRest, "shown", "off", "on"), st("W-4", kRest, "shown", "off", "on"),
          st("W+6", kRest, "shown", "off", "on"), st("W+6", kRest, "hidden", "off", "off")}}}},
      {"losing activation while fully in only arms the slide-out",
       {kToHidden, kSlideIn,
        {"pointer on the bar", pointer(-30), {st("W-54", kIn, "shown", "on", "off")}},
        {"another program activated", another_program_activated(), times(4, st("W-54", kIn, "shown", "on", "on"))},
        {"pointer left of the bar", pointer(-100),
         {st("W-44", kIn, "shown", "off", "on"), st("W-34", kIn, "shown", "off", "on")}}}},
      // The deactivation switches the slide-out on a tick early; its tick
      // finds the bar off-screen and stops it again.
      {"losing activation while hidden changes nothing",
       {kToHidden,
        {"another program activated", another_program_activated(),
         {st("W+6", kRest, "hidden", "off", "off"), st("W+6", kRest, "hidden", "off", "on")}}}},
      {"a refused pointer read ends the tick; the watch goes on",
       {kToHidden, kPartlyIn,
        {"pointer reads refused", [](BarDesk& d) { d.desktop.refuse_cursor_reads(true); },
         times(3, st("W-24", kRest, "shown", "off", "off"))},
        {"pointer reads allowed again", [](BarDesk& d) { d.desktop.refuse_cursor_reads(false); },
         {st("W-34", kRest, "shown", "off", "off")}}}},
  };
  return all;
}

std::vector<std::string> expected_of(const Scenario& s) {
  std::vector<std::string> out;
  for (const Step& step : s.steps) {
    out.push_back("-- " + step.what);
    out.insert(out.end(), step.after_ticks.begin(), step.after_ticks.end());
  }
  return out;
}

std::vector<std::string> actual_of(const Scenario& s, BarDesk& d) {
  std::vector<std::string> out;
  for (const Step& step : s.steps) {
    out.push_back("-- " + step.what);
    step.act(d);
    auto states = d.run(static_cast<int>(step.after_ticks.size()));
    out.insert(out.end(), states.begin(), states.end());
  }
  return out;
}

struct ScreenSize {
  int width;
  int height;
};

class MenuSlide : public ::testing::TestWithParam<ScreenSize> {};

TEST_P(MenuSlide, EveryScenarioTickByTick) {
  for (const Scenario& s : scenarios()) {
    SCOPED_TRACE(s.name);
    BarDesk d(GetParam().width, GetParam().height);
    const auto expected = expected_of(s);
    const auto actual = actual_of(s, d);
    EXPECT_TRUE(expected == actual) << sim::side_by_side(expected, actual);
    // The bar and the panel never take the activation from anyone.
    const plat::HWND fg = d.desktop.GetForegroundWindow();
    EXPECT_NE(fg, d.clock().handle());
  }
}

// The screen narrowed while the bar was off-screen: the bar comes in at
// the edge the screen has now, as it does from rest, and goes out again.
TEST_P(MenuSlide, NarrowedScreen) {
  BarDesk d(GetParam().width, GetParam().height);
  Scenario s{"narrowed", {kToHidden}};
  auto expected = expected_of(s);
  auto actual = actual_of(s, d);
  // As on Windows, the narrowed screen comes with WM_DISPLAYCHANGE.
  d.desktop.change_display({{.rect = {0, 0, GetParam().width - 24, GetParam().height}}});
  Scenario rest{"narrowed", {kSlideIn}};
  auto e2 = expected_of(rest);
  auto a2 = actual_of(rest, d);
  expected.insert(expected.end(), e2.begin(), e2.end());
  actual.insert(actual.end(), a2.begin(), a2.end());
  EXPECT_TRUE(expected == actual) << sim::side_by_side(expected, actual);
}

// The moves change no z-order: the panel, shown without activation,
// stands in front of the bar, both above the application window, and the
// bar keeps the activation it had.
TEST_P(MenuSlide, ZOrderAfterSlideInAndOut) {
  BarDesk d(GetParam().width, GetParam().height);
  for (const Step& step : {kToHidden, kSlideIn}) {
    step.act(d);
    d.run(static_cast<int>(step.after_ticks.size()));
  }
  EXPECT_EQ(d.desktop.z_order_names(sim::Windows::Visible),
            (std::vector<std::string>{"frmClock", "frmMenu", "Application"}));
  EXPECT_EQ(d.desktop.GetForegroundWindow(), d.bar().handle());
  d.pointer_at(10);
  d.run(8);
  EXPECT_EQ(d.desktop.z_order_names(sim::Windows::Visible), (std::vector<std::string>{"frmMenu", "Application"}));
  EXPECT_EQ(d.desktop.z_order_names(), (std::vector<std::string>{"frmClock", "frmMenu", "Application"}));
  EXPECT_EQ(d.desktop.GetForegroundWindow(), d.bar().handle());
}

INSTANTIATE_TEST_SUITE_P(Screens, MenuSlide, ::testing::Values(ScreenSize{1024, 768}, ScreenSize{1280, 1024}),
                         [](const auto& info) {
                           return std::to_string(info.param.width) + "x" + std::to_string(info.param.height);
                         });

}  // namespace
