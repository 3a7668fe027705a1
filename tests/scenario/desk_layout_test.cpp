// The screens on the desks people have: one monitor or two, side by side
// either way and of different heights, the taskbar on any side, a desk
// that changes while the program runs. Each desk is a row: where the
// pointer goes, and which monitor's edge (if any) brings the bar or the
// strip in there; between visits nothing of the program may show on any
// monitor.
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "forms/Logon/Logon.h"
#include "forms/appPicture/appPicture.h"
#include "forms/appswitcher/appswitcher.h"
#include "forms/clock/clock.h"
#include "forms/framework/framework.h"
#include "forms/menu/menu.h"
#include "forms/welcome/welcome.h"
#include "platform/sim/event_log.h"
#include "support/sim_app.h"
#include "ui/label.h"
#include "ui/panel.h"
#include "ui/picture.h"

namespace {

using plat::POINT;
using plat::RECT;
using sim::Monitor;

constexpr RECT kPrimary{0, 0, 1024, 768};

enum class Comes { Nothing, Bar, Strip };

struct Visit {
  POINT at;
  Comes comes;
  int monitor = 0;  // index into the desk's monitors
};

struct DeskRow {
  const char* name;
  std::vector<Monitor> monitors;
  std::vector<Visit> visits;
};

std::string text(const RECT& r) {
  return std::to_string(r.left) + "," + std::to_string(r.top) + "-" + std::to_string(r.right) + "," +
         std::to_string(r.bottom);
}

bool overlaps(const RECT& a, const RECT& b) {
  return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

struct Desk {
  explicit Desk(const std::vector<Monitor>& monitors) {
    sim.desktop.set_monitors(monitors);
    sim.app->set_title("Slatebar");
    sim.create_all_forms();
    // The bar's window as the start-up leaves it; another program active,
    // since neither edge watch acts while the application window is.
    plat::os().ShowWindow(frmMenu->handle(), plat::SW_SHOWNOACTIVATE);
    plat::os().ShowWindow(frmAppSwitcher->handle(), plat::SW_SHOWNOACTIVATE);
    sim::ForeignWindow editor;
    editor.title = "Editor";
    sim.desktop.activate_foreign(sim.desktop.add_foreign_window(editor));
  }

  RECT rect_of(plat::HWND h) {
    RECT r{};
    plat::os().GetWindowRect(h, &r);
    return r;
  }

  // Our visible windows that show on some monitor, by name and place.
  std::vector<std::string> shown_on_monitors() {
    std::vector<std::string> out;
    for (ui::Form* f : std::initializer_list<ui::Form*>{frmMenu, frmClock, frmAppSwitcher}) {
      if (!sim.desktop.window(f->handle()).visible()) continue;
      const RECT r = rect_of(f->handle());
      for (const Monitor& m : sim.desktop.monitors()) {
        if (overlaps(r, m.rect)) {
          out.push_back(sim.desktop.name_of(f->handle()) + " " + text(r));
          break;
        }
      }
    }
    return out;
  }

  void visit(POINT p) {
    sim.desktop.move_pointer(p.x, p.y);
    sim.desktop.advance(500);
  }

  support::SimApp sim{{.compositor = false}};
};

// What a visit should show: the bar in at the monitor's right edge, as
// tall as it, with the clock panel at its designed place on that monitor;
// or the strip at its left edge, as tall as it; or nothing.
std::vector<std::string> expected_of(const Visit& v, const std::vector<Monitor>& monitors, const RECT& clock) {
  const RECT m = monitors[static_cast<std::size_t>(v.monitor)].rect;
  switch (v.comes) {
    case Comes::Bar: {
      const RECT placed{m.left + clock.left, m.top + clock.top, m.left + clock.right, m.top + clock.bottom};
      return {"frmMenu " + text({m.right - 54, m.top, m.right - 6, m.bottom}), "frmClock " + text(placed)};
    }
    case Comes::Strip:
      return {"frmAppSwitcher " + text({m.left, m.top, m.left + 20, m.bottom})};
    case Comes::Nothing:
      break;
  }
  return {};
}

const std::vector<DeskRow>& desks() {
  static const std::vector<DeskRow> all = {
      {"one monitor",
       {Monitor{kPrimary}},
       {{{1023, 300}, Comes::Bar}, {{0, 300}, Comes::Strip}, {{1022, 300}, Comes::Nothing}}},
      {"a shorter second monitor to the right",
       {Monitor{kPrimary}, Monitor{{1024, 0, 2304, 720}}},
       {// the primary's last column is no edge where the second goes on
        {{1023, 300}, Comes::Nothing},
        // below the second's bottom it is
        {{1023, 740}, Comes::Bar, 0},
        {{2303, 300}, Comes::Bar, 1},
        {{1024, 300}, Comes::Nothing},
        {{0, 300}, Comes::Strip, 0}}},
      {"a taller second monitor to the left, reaching above and below",
       {Monitor{kPrimary}, Monitor{{-1280, -100, 0, 900}}},
       {{{0, 300}, Comes::Nothing},
        {{-1280, 300}, Comes::Strip, 1},
        {{-1280, -50}, Comes::Strip, 1},
        {{1023, 300}, Comes::Bar, 0},
        {{-1, 300}, Comes::Nothing},
        // below the primary the second's last column is an edge of the desk
        {{-1, 850}, Comes::Bar, 1}}},
      {"a second monitor above",
       {Monitor{kPrimary}, Monitor{{0, -900, 1600, 0}}},
       {{{1599, -300}, Comes::Bar, 1}, {{1023, 300}, Comes::Bar, 0}, {{0, -300}, Comes::Strip, 1}}},
  };
  return all;
}

TEST(DeskLayout, EdgesBringTheBarAndTheStripInWhereThePointerStopsAndNothingShowsAtRest) {
  for (const DeskRow& row : desks()) {
    SCOPED_TRACE(row.name);
    Desk d(row.monitors);
    RECT clock{};
    {
      const RECT r = d.rect_of(frmClock->handle());
      clock = r;
    }
    std::vector<std::string> expected, actual;
    const POINT middle{512, 384};
    d.visit(middle);
    expected.push_back("at rest");
    actual.push_back("at rest");
    for (const std::string& s : d.shown_on_monitors()) actual.push_back(s);
    for (const Visit& v : row.visits) {
      const std::string where = "pointer " + std::to_string(v.at.x) + "," + std::to_string(v.at.y);
      expected.push_back(where);
      actual.push_back(where);
      for (const std::string& s : expected_of(v, row.monitors, clock)) expected.push_back(s);
      d.visit(v.at);
      for (const std::string& s : d.shown_on_monitors()) actual.push_back(s);
      expected.push_back("back in the middle");
      actual.push_back("back in the middle");
      d.visit(middle);
      for (const std::string& s : d.shown_on_monitors()) actual.push_back(s);
    }
    EXPECT_TRUE(expected == actual) << sim::side_by_side(expected, actual);
  }
}

// The lock screen covers every monitor, its picture, band and texts on the
// primary; the welcome screen stays on the primary; each as the desk is
// now, also after the desk changed under the running program.
TEST(DeskLayout, ScreensCoverTheDeskAsItIsAndFollowItsChanges) {
  struct Row {
    const char* name;
    std::vector<Monitor> monitors;
  };
  const Row rows[] = {
      {"one monitor", {Monitor{kPrimary}}},
      {"a second to the left, reaching above", {Monitor{kPrimary}, Monitor{{-1280, -100, 0, 900}}}},
      {"a second to the right", {Monitor{kPrimary}, Monitor{{1024, 0, 2304, 720}}}},
      {"a larger primary alone", {Monitor{{0, 0, 1280, 1024}}}},
  };
  auto record = [](Desk& d) {
    auto screen_rect = [&](ui::Form& f, ui::Control& c) {
      return text({f.left() + c.left(), f.top() + c.top(), f.left() + c.left() + c.width(),
                   f.top() + c.top() + c.height()});
    };
    TfrmLogon& lock = *frmLogon;
    return std::vector<std::string>{
        "lock " + text(d.rect_of(lock.handle())),
        "lock picture " + screen_rect(lock, *lock.imgPic),
        "lock band " + screen_rect(lock, *lock.lblDragArea),
        "welcome " + text(d.rect_of(frmWelcome->handle())),
        "bar beyond the desk " + std::to_string(frmMenu->left() >= d.sim.desktop.GetSystemMetrics(plat::SM_XVIRTUALSCREEN) +
                                                                     d.sim.desktop.GetSystemMetrics(plat::SM_CXVIRTUALSCREEN)),
        "strip beyond the desk " +
            std::to_string(frmAppSwitcher->left() + frmAppSwitcher->width() <=
                           d.sim.desktop.GetSystemMetrics(plat::SM_XVIRTUALSCREEN)),
    };
  };
  auto expected_for = [](const std::vector<Monitor>& monitors) {
    const RECT desk = sim::virtual_screen(monitors);
    const RECT p = monitors.front().rect;
    return std::vector<std::string>{
        "lock " + text(desk),
        "lock picture " + text(p),
        "lock band " + text({p.left, p.bottom - 256, p.right, p.bottom}),
        "welcome " + text(p),
        "bar beyond the desk 1",
        "strip beyond the desk 1",
    };
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    {
      Desk d(row.monitors);
      d.visit({512, 384});
      const auto expected = expected_for(row.monitors);
      const auto actual = record(d);
      EXPECT_TRUE(expected == actual) << "made on this desk\n" << sim::side_by_side(expected, actual);
    }
    {
      Desk d({Monitor{kPrimary}});
      d.visit({0, 300});  // the strip in, so that the change must put it back
      d.sim.desktop.change_display(row.monitors);
      d.visit({512, 384});
      const auto expected = expected_for(row.monitors);
      const auto actual = record(d);
      EXPECT_TRUE(expected == actual) << "changed to this desk\n" << sim::side_by_side(expected, actual);
    }
  }
}

// Pushed up far enough, the lock screen slides off the top of the whole
// desk, not only of the primary, before it hides.
TEST(DeskLayout, TheLockScreenSlidesOffTheWholeDesk) {
  Desk d({Monitor{kPrimary}, Monitor{{-1280, -100, 0, 900}}});
  TfrmLogon& lock = *frmLogon;
  lock.show();
  d.sim.desktop.advance(10);
  const int band_top = lock.top() + lock.lblDragArea->top();
  d.sim.desktop.move_pointer(500, band_top);
  d.sim.desktop.press();
  const sim::Millis t0 = d.sim.desktop.now();
  d.sim.desktop.schedule_move(t0 + 20, 500, band_top - 300);
  d.sim.desktop.schedule_release(t0 + 60);
  int bottom_when_hidden = 0;
  bool hidden = false;
  for (int i = 0; i < 200 && !hidden; ++i) {
    d.sim.desktop.advance(25);
    if (!d.sim.desktop.window(lock.handle()).visible()) {
      hidden = true;
      bottom_when_hidden = lock.top() + lock.height();
    }
  }
  ASSERT_TRUE(hidden);
  EXPECT_LE(bottom_when_hidden, -100) << "hidden while it still showed on the taller monitor";
}

// The frame fills the primary's work area, origin and size, wherever the
// taskbar is, and its location bar shows while the pointer is on the bar's
// rows as the screen has them.
TEST(DeskLayout, TheFrameFitsTheWorkAreaWhereverTheTaskbarIs) {
  struct Row {
    const char* name;
    RECT work;
  };
  const Row rows[] = {
      {"taskbar at the bottom", {0, 0, 1024, 728}},
      {"taskbar at the top", {0, 40, 1024, 768}},
      {"taskbar at the left", {60, 0, 1024, 768}},
      {"taskbar at the right", {0, 0, 964, 768}},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    Desk d({Monitor{kPrimary, row.work}, Monitor{{1024, 0, 2304, 720}}});
    TfrmFrameWork& frame = *frmFrameWork;
    const int bar_height = frame.Panel1->height();
    const int bar_top = row.work.bottom - bar_height;
    std::vector<std::string> expected{"frame " + text(row.work),
                                      "bar " + text({row.work.left, bar_top, row.work.right, row.work.bottom}),
                                      "pointer above the bar: hidden", "pointer on the bar: shown"};
    std::vector<std::string> actual{
        "frame " + text(d.rect_of(frame.handle())),
        "bar " + text({frame.left() + frame.Panel1->left(), frame.top() + frame.Panel1->top(),
                       frame.left() + frame.Panel1->left() + frame.Panel1->width(),
                       frame.top() + frame.Panel1->top() + frame.Panel1->height()})};
    d.sim.desktop.move_pointer(500, bar_top - 1);
    d.sim.desktop.advance(500);
    actual.push_back(std::string("pointer above the bar: ") + (frame.Panel1->visible() ? "shown" : "hidden"));
    d.sim.desktop.move_pointer(500, bar_top + 1);
    d.sim.desktop.advance(500);
    actual.push_back(std::string("pointer on the bar: ") + (frame.Panel1->visible() ? "shown" : "hidden"));
    EXPECT_TRUE(expected == actual) << sim::side_by_side(expected, actual);
  }
}

}  // namespace

// The strip's drag on every desk and with either hand: pressed with the
// primary button as the user has mapped it, the list waits beyond the
// desk, then follows the pointer out of the edge the strip came in at, and
// a release away from the edge switches.
TEST(DeskLayout, TheStripsDragFollowsThePointerFromItsEdgeWithEitherHand) {
  struct Row {
    const char* name;
    std::vector<Monitor> monitors;
    POINT edge;
    bool swapped;
  };
  const Row rows[] = {
      {"one monitor, right-handed", {Monitor{kPrimary}}, {0, 400}, false},
      {"one monitor, left-handed", {Monitor{kPrimary}}, {0, 400}, true},
      {"a monitor to the left, left-handed", {Monitor{kPrimary}, Monitor{{-1280, -100, 0, 900}}}, {-1280, 400}, true},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    Desk d(row.monitors);
    d.sim.desktop.set_swap_buttons(row.swapped);
    d.visit(row.edge);
    ui::Form& list = *frmAppPicture;
    const plat::MouseButton primary = row.swapped ? plat::MouseButton::Right : plat::MouseButton::Left;
    const POINT press{row.edge.x + 5, row.edge.y};
    d.sim.desktop.move_pointer(press.x, press.y);
    const sim::Millis t0 = d.sim.desktop.now();
    d.sim.desktop.schedule_move(t0 + 100, press.x + 200, press.y - 20);
    d.sim.desktop.schedule_release(t0 + 200, primary);
    RECT waiting{};
    POINT following{};
    d.sim.desktop.at(t0 + 50, [&] { waiting = d.rect_of(list.handle()); });
    d.sim.desktop.at(t0 + 150, [&] { following = {list.left(), list.top()}; });
    d.sim.desktop.press(primary);
    d.sim.desktop.advance(400);
    const RECT desk = sim::virtual_screen(row.monitors);
    EXPECT_LE(waiting.right, desk.left) << "the list showed before the pointer moved";
    EXPECT_EQ(following.x, press.x + 200 - list.width());
    EXPECT_EQ(following.y, press.y - 20 - list.height() / 2);
    EXPECT_EQ(d.sim.desktop.switches().size(), 1u);
  }
}
