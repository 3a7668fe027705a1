// The program on a desk of two monitors side by side, as Wine shows it on
// Xorg's dummy driver: the second monitor right of the primary, or left of
// it at negative x. Another program's window fills the second monitor, so
// that what of ours shows there shows against it: a locked desk looks
// locked on both monitors, nothing of ours stands there at rest, the
// primary's edge facing the other monitor is no edge, and the bar or the
// strip comes in at the desk's own edge on the other monitor.
#include <chrono>
#include <optional>
#include <string>

#include "driver/requirements.h"
#include "driver/screen_wait.h"
#include "driver/slatebar.h"
#include "driver/wait.h"
#include "e2e_test.h"

namespace e2e {
namespace {

using testing::E2eTest;
using namespace std::chrono_literals;

constexpr ScreenSize kPrimary{1024, 768, 24};
// Another size than the primary's, and less tall: a form that takes the
// primary's height or width there shows it.
constexpr ScreenSize kOther{1280, 720, 24};
constexpr Rgb kTheirs{0x20, 0xC0, 0x60};

struct DeskRow {
  const char* what;
  Side side;
  const char* form;            // what comes in at the desk's edge there
  Point primary_edge;          // the primary's column facing the other monitor
  Point desk_edge;             // the desk's edge column on the other monitor
  Rect in;                     // where the form stands once in
  std::optional<Point> panel;  // where the clock panel comes with it
};

const DeskRow kDesks[] = {
    {"a monitor right of the primary", Side::Right, "frmMenu", {1023, 300}, {2303, 300}, {2304 - 54, 0, 48, 720},
     Point{1024 + 211, 467}},
    {"a monitor left of the primary", Side::Left, "frmAppSwitcher", {0, 300}, {-1280, 300}, {-1280, 0, 20, 720},
     std::nullopt},
};

Rect other_monitor(Side side) { return {side == Side::Right ? kPrimary.width : -kOther.width, 0, kOther.width, kOther.height}; }
Rect desk(Side side) {
  return {side == Side::Right ? 0 : -kOther.width, 0, kPrimary.width + kOther.width, kPrimary.height};
}
bool meet(Rect a, Rect b) { return a.x < b.right() && b.x < a.right() && a.y < b.bottom() && b.y < a.bottom(); }

class Desk : public E2eTest {
 protected:
  std::optional<std::string> unavailable() const override {
    if (auto missing = missing_desk_tools()) return missing;
    return slatebar::unavailable();
  }

  // Our visible windows that stand on `area`, as the window manager has
  // them: what would cover the user's own there.
  std::string ours_on(Rect area) {
    auto list = s().windows();
    if (!list) return list.error();
    std::string out;
    for (const char* cls : {"SlatebarCLS", "SlatebarForm"}) {
      for (const WinWindow& w : list->of_class(cls)) {
        if (w.visible && meet(w.rect, area)) out += "\"" + w.title + "\" at " + ::testing::PrintToString(w.rect) + " ";
      }
    }
    return out;
  }

  void covered_while_locked(const DeskRow& row, const HelperWindow& theirs);
  void nothing_there_at_rest(const DeskRow& row);
  void comes_in_at_the_desk_edge(const DeskRow& row);
};

// The lock screen over the whole desk in the window manager's order and on
// the screen: a lock screen on the primary alone leaves the other
// monitor's window showing.
void Desk::covered_while_locked(const DeskRow& row, const HelperWindow& theirs) {
  const Rect other = other_monitor(row.side);
  auto lock = wait_until(20s, [&] {
    auto w = slatebar::form(s(), "frmLogon");
    return w && w->visible ? w : std::nullopt;
  });
  ASSERT_TRUE(lock) << "no lock screen";
  EXPECT_EQ(lock->rect, desk(row.side)) << "the lock screen does not cover the desk";
  auto list = s().windows();
  ASSERT_TRUE(list) << list.error();
  const auto lock_at = list->z_index(lock->hwnd), theirs_at = list->z_index(theirs.hwnd());
  ASSERT_TRUE(lock_at && theirs_at) << "the lock screen or their window is not in the window list";
  EXPECT_LT(*lock_at, *theirs_at) << "the lock screen stands behind their window";
  const auto dark = wait_for_screen(s().x(), 10s, [&](const Screenshot& shot) {
    return shot.fraction(other, near_to(kTheirs)) < 0.001 && shot.fraction(other, near_black) > 0.95;
  });
  EXPECT_TRUE(dark) << "their window shows on the other monitor while the desk is locked";
}

// Unlocked, the pointer in the middle of the primary: the bar parked, the
// strip at its rest, the panel hidden, none of them on the other monitor,
// whose window shows whole.
void Desk::nothing_there_at_rest(const DeskRow& row) {
  const Rect other = other_monitor(row.side);
  s().input().move_to({kPrimary.width / 2, kPrimary.height / 2});
  const bool away = wait_until(5s, [&] {
    auto bar = slatebar::titled(s(), "frmMenu");
    return bar && !meet(bar->rect, desk(row.side));
  });
  EXPECT_TRUE(away) << "the bar did not leave the desk";
  EXPECT_EQ(ours_on(other), "") << "ours stand on the other monitor at rest";
  const auto whole = wait_for_screen(s().x(), 5s, [&](const Screenshot& shot) {
    return shot.fraction(other, near_to(kTheirs)) > 0.999;
  });
  EXPECT_TRUE(whole) << "their window does not show whole at rest; " << s().record("desk-rest").string();
}

// The pointer on the primary's edge that faces the other monitor passes on
// to it, so nothing comes in there (40 ticks of the bar's pointer watch,
// 20 of the strip's); on the desk's edge over there, the form comes in as
// tall as that monitor, drawn over their window.
void Desk::comes_in_at_the_desk_edge(const DeskRow& row) {
  s().input().move_to(row.primary_edge);
  const bool came = wait_until(1s, [&] {
    auto w = slatebar::titled(s(), row.form);
    return w && w->visible && meet(w->rect, desk(row.side));
  });
  EXPECT_FALSE(came) << row.form << " came in at the primary's edge, which the pointer passes";

  s().input().move_to(row.desk_edge);
  auto in = wait_until(5s, [&] {
    auto w = slatebar::titled(s(), row.form);
    return w && w->visible && w->rect == row.in ? w : std::nullopt;
  });
  ASSERT_TRUE(in) << row.form << " did not come in to " << row.in << "; " << s().record("desk-in").string();
  const auto drawn = wait_for_screen(s().x(), 5s, [&](const Screenshot& shot) {
    return shot.fraction(row.in, near_to(kTheirs)) < 0.01;
  });
  EXPECT_TRUE(drawn) << row.form << " is not drawn where it stands";
  if (row.panel) {
    auto panel = wait_until(5s, [&] {
      auto p = slatebar::form(s(), "frmClock");
      return p && p->visible ? p : std::nullopt;
    });
    ASSERT_TRUE(panel) << "no clock panel";
    EXPECT_EQ((Point{panel->rect.x, panel->rect.y}), *row.panel) << "the panel is not at its place on that monitor";
  }
}

TEST_F(Desk, OnTwoMonitorsTheLockCoversBothNothingRestsOnTheOtherAndEdgesAreTheDesks) {
  for (const DeskRow& row : kDesks) {
    SCOPED_TRACE(row.what);
    ASSERT_TRUE(use_desk(kPrimary, {kOther, row.side}));
    auto theirs = s().open_window(
        WindowSpec::of("TheirWork", "Their work").at(other_monitor(row.side)).frameless().filled(kTheirs));
    ASSERT_TRUE(theirs) << theirs.error();
    auto started = slatebar::start(s(), "desk");
    ASSERT_TRUE(started) << started.error();
    covered_while_locked(row, *theirs);
    auto open = slatebar::unlock(s());
    ASSERT_TRUE(open) << open.error();
    nothing_there_at_rest(row);
    comes_in_at_the_desk_edge(row);
    auto ended = s().end_wine();
    ASSERT_TRUE(ended) << ended.error();
  }
}

}  // namespace
}  // namespace e2e
