// The form semantics every screen relies on: show, hide and close, timers,
// the standard error box, designs scaled to the screen and refused when
// they name a handler the form does not have.
#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "support/sim_app.h"
#include "ui/error.h"
#include "ui/form.h"
#include "ui/form_factory.h"
#include "ui/label.h"
#include "ui/timer.h"

namespace {

using support::SimApp;

constexpr const char* kDesign =
    "form frmTest TfrmTest\n"
    "  caption \"Test\"\n"
    "  left 10\n"
    "  top 20\n"
    "  width 300\n"
    "  height 200\n"
    "  border none\n"
    "  font \"Tahoma\" -13\n"
    "  OnCreate FormCreate\n"
    "label lblText\n"
    "  left 26\n"
    "  top 13\n"
    "  caption \"ab\"\n"
    "  OnClick lblTextClick\n"
    "timer tmrTick\n"
    "  interval 100\n"
    "  enabled false\n"
    "  OnTimer tmrTickTimer\n";

class TfrmTest : public ui::Form {
 public:
  explicit TfrmTest(ui::Application& app) : ui::Form(app) {
    handler("FormCreate", &TfrmTest::FormCreate);
    handler("tmrTickTimer", &TfrmTest::tmrTickTimer);
    handler("lblTextClick", &TfrmTest::lblTextClick);
    load_design("TESTFORM");
    tmrTick = &component<ui::Timer>("tmrTick");
    lblText = &component<ui::Label>("lblText");
  }
  void FormCreate(ui::Component&) {
    if (fail_create) throw ui::Error("creation failed");
  }
  void tmrTickTimer(ui::Component&) { ticks.push_back(plat::os().GetTickCount()); }
  void lblTextClick(ui::Component&) { throw ui::Error("Click failed"); }

  static inline bool fail_create = false;
  ui::Timer* tmrTick = nullptr;
  ui::Label* lblText = nullptr;
  std::vector<plat::DWORD> ticks;
};

struct ToolkitForm : ::testing::Test {
  ToolkitForm() : sim({.ship_pictures = false, .compositor = false}) {
    sim.desktop.resources().set("TESTFORM", std::vector<std::uint8_t>(kDesign, kDesign + std::strlen(kDesign)));
  }
  TfrmTest& make() { return sim.app->create_owned_form<TfrmTest>(); }
  SimApp sim;
};

TEST_F(ToolkitForm, TimersFireOneIntervalAfterEnablingAndAreNotRestartedByEnablingAgain) {
  TfrmTest& f = make();
  plat::DWORD t0 = plat::os().GetTickCount();
  f.tmrTick->set_enabled(true);
  sim.desktop.advance(50);
  f.tmrTick->set_enabled(true);  // must not restart the countdown
  sim.desktop.advance(260);
  ASSERT_EQ(f.ticks.size(), 3u);
  EXPECT_EQ(f.ticks[0] - t0, 100u);
  EXPECT_EQ(f.ticks[1] - t0, 200u);
  f.tmrTick->set_enabled(false);
  sim.desktop.advance(500);
  EXPECT_EQ(f.ticks.size(), 3u);
}

// A timer shares a system timer whose interval divides its own when their
// ticks fall within the system timer's resolution of each other; each
// still ticks at its interval, and the first tick moves by no more than
// that resolution.
TEST_F(ToolkitForm, TimersShareASystemTimerOfADividingIntervalWhereTheirTicksFallTogether) {
  struct Row {
    unsigned interval;
    plat::DWORD enabled_at, first, second;
    int system_timers;
  };
  // The running timer ticks every 100 ms.
  const Row rows[] = {
      {100, 100, 200, 300, 1},  // from a tick of the running one: exactly as alone
      {100, 110, 200, 300, 1},  // 10 ms early, within the resolution
      {100, 150, 250, 350, 2},  // half an interval apart: a system timer of its own
      {100, 190, 300, 400, 1},  // 10 ms late, one tick of the group skipped
      {200, 110, 300, 500, 1},  // twice the interval: every other tick of the group
      {200, 140, 340, 540, 2},  // 40 ms off every tick of the group: its own
      {150, 100, 250, 400, 2},  // an interval the group's does not divide: its own
  };
  for (const Row& row : rows) {
    TfrmTest& a = make();
    TfrmTest& b = make();
    b.tmrTick->set_interval(row.interval);
    const std::size_t from = sim.desktop.events().size();
    const plat::DWORD t0 = plat::os().GetTickCount();
    a.tmrTick->set_enabled(true);
    sim.desktop.advance(row.enabled_at);
    b.tmrTick->set_enabled(true);
    sim.desktop.advance(row.second - row.enabled_at);
    const std::string at = std::to_string(row.interval) + " ms enabled at " + std::to_string(row.enabled_at);
    ASSERT_EQ(b.ticks.size(), 2u) << at;
    EXPECT_EQ(b.ticks[0] - t0, row.first) << at;
    EXPECT_EQ(b.ticks[1] - t0, row.second) << at;
    EXPECT_EQ(a.ticks.back() - t0, row.second / 100 * 100) << "the first one keeps its pace";
    a.tmrTick->set_enabled(false);
    b.tmrTick->set_enabled(false);
    int set = 0, killed = 0;
    for (const std::string& e : sim.desktop.log().since(from)) {
      set += e.starts_with("SetTimer ");
      killed += e.starts_with("KillTimer ");
    }
    EXPECT_EQ(set, row.system_timers) << at;
    EXPECT_EQ(killed, row.system_timers) << "each killed once its last timer stops";
  }
}

TEST_F(ToolkitForm, ClosingANonMainFormHidesItAndClosingTheMainFormEndsTheLoop) {
  TfrmTest& main = make();  // the first form made is the main form
  TfrmTest& other = make();
  other.show();
  ASSERT_TRUE(plat::os().IsWindowVisible(other.handle()));
  other.close();
  EXPECT_FALSE(plat::os().IsWindowVisible(other.handle()));
  EXPECT_FALSE(sim.app->terminated());

  sim.desktop.at(sim.desktop.now() + 300, [&] { main.close(); });
  sim.desktop.set_deadline(sim.desktop.now() + 10'000);
  sim.app->run();
  EXPECT_FALSE(sim.desktop.deadline_reached());
  EXPECT_EQ(sim.desktop.exit_code(), 0);
  EXPECT_TRUE(sim.app->forms().empty());
}

TEST_F(ToolkitForm, AnErrorInAHandlerIsShownInTheStandardBoxAndTheProgramGoesOn) {
  TfrmTest::fail_create = true;
  TfrmTest& f = make();
  TfrmTest::fail_create = false;
  sim.app->set_title("Slatebar");
  f.show();
  plat::RECT r{};
  plat::os().GetWindowRect(f.handle(), &r);
  sim.desktop.move_pointer(r.left + f.lblText->left() + 2, r.top + f.lblText->top() + 2);
  sim.desktop.press();
  sim.desktop.release();
  sim.desktop.advance(10);
  auto boxes = sim.desktop.log().of({"MessageBoxA"});
  ASSERT_EQ(boxes.size(), 2u);
  EXPECT_NE(boxes[0].find("\"creation failed.\""), std::string::npos) << boxes[0];
  EXPECT_NE(boxes[1].find("\"Slatebar\" \"Click failed.\""), std::string::npos) << boxes[1];
  EXPECT_NE(boxes[1].find("MB_ICONSTOP"), std::string::npos) << boxes[1];
  EXPECT_FALSE(sim.app->terminated());
}

// One scale for everything, dpi / 96 rounded as MulDiv rounds: not the
// text-height ratio, which at 120 dpi would give 16 / 13.
TEST_F(ToolkitForm, DesignedValuesAreScaledByTheWindowsDpiAndAgainWhenItChanges) {
  sim.desktop.set_dpi(120);
  TfrmTest& f = make();
  struct Seen {
    int width, height, label_left, label_top, font;
  };
  auto seen = [&] { return Seen{f.width(), f.height(), f.lblText->left(), f.lblText->top(), f.font().height}; };
  const Seen at_120 = seen();
  // Positions set in code are screen pixels and stay as given.
  f.lblText->set_left(26);
  const int code_left = f.lblText->left();
  // Moved to a monitor at 144 dpi: the designed values at that dpi, and
  // the place the system suggests.
  sim.desktop.set_window_dpi(f.handle(), 144);
  const Seen at_144 = seen();
  plat::RECT r{};
  plat::os().GetWindowRect(f.handle(), &r);

  EXPECT_EQ((std::vector<int>{at_120.width, at_120.height, at_120.label_left, at_120.label_top, at_120.font}),
            (std::vector<int>{375, 250, 33, 16, -16}));
  EXPECT_EQ(code_left, 26);
  EXPECT_EQ((std::vector<int>{at_144.width, at_144.height, at_144.label_left, at_144.label_top, at_144.font}),
            (std::vector<int>{450, 300, 39, 20, -20}));
  EXPECT_EQ(r.left, 13);  // the suggestion keeps the corner
  EXPECT_EQ(plat::os().GetDpiForWindow(f.handle()), 144u);
}

TEST_F(ToolkitForm, ADesignNamingAnUnknownHandlerIsRefusedWithAClearMessage) {
  std::string bad = std::string(kDesign) + "label lblOther\n  OnClick lblOtherClick\n";
  sim.desktop.resources().set("TESTFORM", std::vector<std::uint8_t>(bad.begin(), bad.end()));
  try {
    make();
    FAIL() << "the design loaded";
  } catch (const ui::Error& e) {
    EXPECT_STREQ(e.what(),
                 "Design TESTFORM, line 20: OnClick of lblOther names the handler lblOtherClick, which frmTest "
                 "does not have");
  }
}

TEST_F(ToolkitForm, ADesignBindingAHandlerToTheWrongKindOfEventIsRefused) {
  std::string bad = std::string(kDesign) + "label lblOther\n  OnMouseDown tmrTickTimer\n";
  sim.desktop.resources().set("TESTFORM", std::vector<std::uint8_t>(bad.begin(), bad.end()));
  EXPECT_THROW(make(), ui::Error);
}

// A form whose constructor fails after its design bound the destroy event:
// the factory gives the error, and no handler of the half-built form runs
// while it goes (its part of the object is gone by then).
class TfrmBroken : public ui::Form {
 public:
  explicit TfrmBroken(ui::Application& app) : ui::Form(app) {
    handler("FormCreate", &TfrmBroken::FormCreate);
    handler("FormDestroy", &TfrmBroken::FormDestroy);
    load_design("BROKENFORM");
    component<ui::Label>(missing);
  }
  void FormCreate(ui::Component&) { handled.push_back("FormCreate"); }
  void FormDestroy(ui::Component&) { handled.push_back("FormDestroy"); }

  static inline std::vector<std::string> handled;
  static inline const char* missing = "lblGone";
};
TfrmBroken* frmBroken = nullptr;

TEST_F(ToolkitForm, AFormThatCannotBeMadeGivesItsErrorAndRunsNoHandler) {
  struct Row {
    const char* what;
    const char* design_tail;
    std::string error;
  } rows[] = {
      {"a component missing once the window exists", "", "Form frmBroken has no component named lblGone"},
      {"a design that does not load", "label lblOther\n  OnClick lblOtherClick\n",
       "Design BROKENFORM, line 7: OnClick of lblOther names the handler lblOtherClick, which frmBroken does not "
       "have"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.what);
    const std::string design = std::string("form frmBroken TfrmBroken\n  width 100\n  height 50\n"
                                           "  OnCreate FormCreate\n  OnDestroy FormDestroy\n") +
                               row.design_tail;
    sim.desktop.resources().set("BROKENFORM", std::vector<std::uint8_t>(design.begin(), design.end()));
    TfrmBroken::handled.clear();
    const ui::MadeForm<TfrmBroken> made = ui::make_form<TfrmBroken>(*sim.app);
    ASSERT_FALSE(made.has_value());
    EXPECT_EQ(made.error(), row.error);
    try {
      sim.app->create_form(frmBroken);
      FAIL() << "the form was made";
    } catch (const ui::Error& e) {
      EXPECT_EQ(std::string(e.what()), row.error);
    }
    EXPECT_EQ(TfrmBroken::handled, std::vector<std::string>{});
    EXPECT_EQ(frmBroken, nullptr);
    EXPECT_TRUE(sim.app->forms().empty());
    EXPECT_EQ(sim.desktop.find_by_name("frmBroken"), 0u) << "no window is left behind";
  }
}

}  // namespace
