// Every screen at 100, 150 and 200 per cent: the places and sizes the
// designs and the code give, the bar's slide and the strip's steps, one
// table row per scale; and a scale changed while the
// program runs. The edges stay on the screen's last and first pixel column
// at every scale.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "forms/Logon/Logon.h"
#include "forms/appPicture/appPicture.h"
#include "forms/appswitcher/appswitcher.h"
#include "forms/clock/clock.h"
#include "forms/framework/framework.h"
#include "forms/menu/menu.h"
#include "forms/welcome/welcome.h"
#include "support/menu_fixture.h"
#include "support/sim_app.h"
#include "ui/label.h"
#include "ui/panel.h"
#include "ui/picture.h"
#include "ui/timer.h"

namespace {

constexpr int kW = 1920;
constexpr int kH = 1080;

struct Desk {
  explicit Desk(int dpi) : sim(options(dpi)) {
    sim.app->set_title("Slatebar");
    sim.create_all_forms();
  }
  static support::SimAppOptions options(int dpi) {
    support::SimAppOptions o;
    o.screen_width = kW;
    o.screen_height = kH;
    o.dpi = dpi;
    return o;
  }
  support::SimApp sim;
};

std::string rect(const ui::Control& c) {
  return std::to_string(c.left()) + "," + std::to_string(c.top()) + " " + std::to_string(c.width()) + "x" +
         std::to_string(c.height());
}

// Where the lock screen draws its three icons: "left,top WxH" each.
std::vector<std::string> drawn_icons(sim::Desktop& desk) {
  std::vector<std::string> out;
  for (const sim::DrawOp& op : desk.paint_now(frmLogon->handle())) {
    // The background is drawn in screen-wide bands.
    if (op.kind != sim::DrawKind::Image || op.image_size.cx >= kW / 4) continue;
    out.push_back(std::to_string(op.x) + "," + std::to_string(op.y) + " " + std::to_string(op.image_size.cx) + "x" +
                  std::to_string(op.image_size.cy));
  }
  return out;
}

struct Layout {
  int dpi;
  std::string bar, search, menu;  // the bar and two of its icons, at rest
  std::string band, day_top_time_top;
  std::vector<std::string> lock_icons;  // as drawn
  int time_font;
  std::string strip, clock, location_bar, welcome_picture, user_name;
};

TEST(Scale, EveryScreenIsItsDesignAndItsComputedPlacesGrownByOneScale) {
  const Layout rows[] = {
      {96, "1856,0 48x1080", "60,388 48x48", "40,516 48x48", "0,824 1920x256", "780 880",
       {"88,1000 80x80", "176,1000 80x80", "272,1000 80x80"}, -96, "-40,0 20x1080", "211,467", "0,1047 1920x33",
       "897,270", "1027,270"},
      {144, "1824,0 72x1080", "90,312 72x72", "60,504 72x72", "0,696 1920x384", "630 780",
       {"132,960 120x120", "264,960 120x120", "408,960 120x120"}, -144, "-60,0 30x1080", "317,701",
       "0,1030 1920x50", "865,270", "1060,270"},
      {192, "1792,0 96x1080", "120,236 96x96", "80,492 96x96", "0,568 1920x512", "480 680",
       {"176,920 160x160", "352,920 160x160", "544,920 160x160"}, -192, "-80,0 40x1080", "422,934",
       "0,1014 1920x66", "834,270", "1094,270"},
  };
  for (const Layout& row : rows) {
    SCOPED_TRACE("dpi " + std::to_string(row.dpi));
    Desk d(row.dpi);
    EXPECT_EQ(rect(*frmMenu), row.bar);
    EXPECT_EQ(rect(*frmMenu->imgSearch), row.search);
    EXPECT_EQ(rect(*frmMenu->imgMenu), row.menu);
    EXPECT_EQ(rect(*frmLogon->lblDragArea), row.band);
    EXPECT_EQ(std::to_string(frmLogon->lblDay->top()) + " " + std::to_string(frmLogon->lblTime->top()),
              row.day_top_time_top);
    EXPECT_EQ(frmLogon->lblTime->font().height, row.time_font);
    EXPECT_EQ(drawn_icons(d.sim.desktop), row.lock_icons);
    EXPECT_EQ(rect(*frmAppSwitcher), row.strip);
    EXPECT_EQ(std::to_string(frmClock->left()) + "," + std::to_string(frmClock->top()), row.clock);
    EXPECT_EQ(rect(*frmFrameWork->Panel1), row.location_bar);
    EXPECT_EQ(std::to_string(frmWelcome->imgProfilePic->left()) + "," + std::to_string(frmWelcome->imgProfilePic->top()),
              row.welcome_picture);
    EXPECT_EQ(std::to_string(frmWelcome->lblUserName->left()) + "," + std::to_string(frmWelcome->lblUserName->top()),
              row.user_name);

  }
}

// The bar from hidden: the pointer on the last column brings it in step by
// step, the icons fly in, and one pixel left of it sends it out again.
struct Slide {
  int dpi;
  std::string hidden;
  std::vector<std::string> in;  // the bar's left and the centre icon's after each edge tick
  std::vector<std::string> out;
};

TEST(Scale, TheBarSlidesInAndOutByStepsOfItsScale) {
  const Slide rows[] = {
      {96, "W+6",
       {"W-4 40", "W-14 40", "W-24 40", "W-34 40", "W-44 40", "W-54 40", "W-54 40", "W-54 30", "W-54 20",
        "W-54 10", "W-54 0"},
       {"W-54 0", "W-44 0", "W-34 0", "W-24 0", "W-14 0", "W-4 0", "W+6 0", "W+6 40"}},
      {144, "W+9",
       {"W-6 60", "W-21 60", "W-36 60", "W-51 60", "W-66 60", "W-81 60", "W-81 60", "W-81 45", "W-81 30",
        "W-81 15", "W-81 0"},
       {"W-81 0", "W-66 0", "W-51 0", "W-36 0", "W-21 0", "W-6 0", "W+9 0", "W+9 60"}},
      {192, "W+12",
       {"W-8 80", "W-28 80", "W-48 80", "W-68 80", "W-88 80", "W-108 80", "W-108 80", "W-108 60", "W-108 40",
        "W-108 20", "W-108 0"},
       {"W-108 0", "W-88 0", "W-68 0", "W-48 0", "W-28 0", "W-8 0", "W+12 0", "W+12 80"}},
  };
  for (const Slide& row : rows) {
    SCOPED_TRACE("dpi " + std::to_string(row.dpi));
    menu_test::BarDesk d(kW, kH, 500, [&](sim::Desktop& desk) { desk.set_dpi(row.dpi); });
    auto state = [&] {
      const int rel = d.bar().left() - d.width();
      return std::string("W") + (rel >= 0 ? "+" : "") + std::to_string(rel) + " " +
             std::to_string(d.bar().imgMenu->left());
    };
    auto run = [&](int ticks) {
      std::vector<std::string> out;
      for (int i = 0; i < ticks; ++i) {
        d.tick();
        out.push_back(state());
      }
      return out;
    };
    d.tick(9);
    EXPECT_EQ(state().substr(0, state().find(' ')), row.hidden);
    d.pointer_at(kW - 1);
    EXPECT_EQ(run(static_cast<int>(row.in.size())), row.in);
    d.pointer_at(d.bar().left() - 1);
    EXPECT_EQ(run(static_cast<int>(row.out.size())), row.out);
  }
}

// The strip comes in by steps of its scale and goes back once the pointer
// is beyond its cancel zone; a drag released in that zone cancels, one
// released a column beyond it switches.
struct Strip {
  int dpi;
  std::vector<int> in;  // the strip's left after each edge tick
  int zone;             // the last column that still cancels
  int rest;             // where it goes beyond the zone
};

TEST(Scale, TheStripsStepsAndZoneGrowWithTheScale) {
  const Strip rows[] = {
      {96, {-30, -20, -10, 0, 0}, 10, -40},
      {144, {-45, -30, -15, 0, 0}, 15, -60},
      {192, {-60, -40, -20, 0, 0}, 20, -80},
  };
  for (const Strip& row : rows) {
    SCOPED_TRACE("dpi " + std::to_string(row.dpi));
    Desk d(row.dpi);
    sim::Desktop& desk = d.sim.desktop;
    sim::ForeignWindow editor;
    editor.title = "Editor";
    desk.activate_foreign(desk.add_foreign_window(editor));

    std::vector<int> lefts;
    desk.move_pointer(0, 300);
    for (std::size_t i = 0; i < row.in.size(); ++i) {
      desk.advance(50);
      lefts.push_back(frmAppSwitcher->left());
    }
    EXPECT_EQ(lefts, row.in);
    desk.move_pointer(row.zone, 300);
    desk.advance(50);
    EXPECT_EQ(frmAppSwitcher->left(), 0) << "the strip went inside its zone";
    desk.move_pointer(row.zone + 1, 300);
    desk.advance(50);
    EXPECT_EQ(frmAppSwitcher->left(), row.rest) << "the strip stayed beyond its zone";

    for (const int release_x : {row.zone, row.zone + 1}) {
      const std::size_t before = desk.switches().size();
      frmAppSwitcher->show();
      frmAppSwitcher->set_left(0);
      desk.move_pointer(5, 400);
      desk.schedule_move(desk.now() + 100, release_x, 400);
      desk.schedule_release(desk.now() + 200);
      desk.press();
      desk.advance(400);
      EXPECT_EQ(desk.switches().size() - before, release_x > row.zone ? 1u : 0u)
          << "a release at column " << release_x << " of a zone to " << row.zone;
    }
  }
}

// Pushed up by its threshold the lock screen springs back, by one pixel
// more it slides away: the threshold grows with the scale, as the band the
// press lands on does.
TEST(Scale, TheLockScreensOpeningThresholdGrowsWithTheScale) {
  struct Release {
    int dpi;
    int threshold;
  };
  const Release rows[] = {{96, 128}, {144, 192}, {192, 256}};
  for (const Release& row : rows) {
    SCOPED_TRACE("dpi " + std::to_string(row.dpi));
    Desk d(row.dpi);
    sim::Desktop& desk = d.sim.desktop;
    frmLogon->show();
    desk.advance(10);
    const int band_top = frmLogon->lblDragArea->top();
    for (const int pushed : {row.threshold, row.threshold + 1}) {
      frmLogon->set_top(0);
      frmLogon->tmrClose->set_enabled(false);
      // Pressed on the band's top row, so the screen follows at once.
      desk.move_pointer(500, band_top);
      desk.advance(5);
      const sim::Millis t0 = desk.now();
      desk.press();
      desk.schedule_move(t0 + 10, 500, band_top - pushed);
      desk.schedule_release(t0 + 25);
      desk.advance(45);
      EXPECT_EQ(frmLogon->tmrClose->enabled(), pushed > row.threshold) << "pushed up by " << pushed;
    }
  }
}

// The user sets another scale while the program runs: each screen is laid
// out again at it, as if it had been made there.
TEST(Scale, AScaleChangedWhileRunningLaysEveryScreenOutAgain) {
  std::vector<std::string> made_at_144;
  {
    Desk d(144);
    made_at_144 = {rect(*frmMenu),  rect(*frmMenu->imgMenu),        rect(*frmLogon->lblDragArea),
                   rect(*frmLogon->lblTime), rect(*frmAppSwitcher), rect(*frmClock),
                   rect(*frmFrameWork->Panel1), rect(*frmWelcome->lblUserName)};
  }
  Desk d(96);
  d.sim.desktop.set_dpi(144);
  const std::vector<std::string> changed_to_144 = {
      rect(*frmMenu),  rect(*frmMenu->imgMenu),        rect(*frmLogon->lblDragArea),
      rect(*frmLogon->lblTime), rect(*frmAppSwitcher), rect(*frmClock),
      rect(*frmFrameWork->Panel1), rect(*frmWelcome->lblUserName)};
  EXPECT_EQ(changed_to_144, made_at_144);
  EXPECT_EQ(frmLogon->lblTime->font().height, -144);
  EXPECT_EQ(plat::os().GetDpiForWindow(frmMenu->handle()), 144u);
}

}  // namespace
