// What the program asks of the window system while it waits. Under Wine
// every such call is a round trip to the server, and the idle cost is
// counted in them: per second of idling, with the lock screen up and with
// it gone, only the calls that the timers' own work needs are made. A
// form put back where it already is (the left-edge strip, 20 times a
// second) makes no call at all.
#include <gtest/gtest.h>

#include <map>
#include <string>

#include "forms/Logon/Logon.h"
#include "forms/menu/menu.h"
#include "forms/welcome/welcome.h"
#include "support/sim_app.h"

namespace {

using Counts = std::map<std::string, int>;

Counts calls_in_one_second(support::SimApp& sim) {
  const std::size_t from = sim.desktop.events().size();
  sim.desktop.advance(1000);
  Counts counts;
  const auto& events = sim.desktop.events();
  for (std::size_t i = from; i < events.size(); ++i) ++counts[events[i].substr(0, events[i].find(' '))];
  return counts;
}

TEST(IdleCalls, OnlyWhatTheTimersNeed) {
  support::SimApp sim({.screen_width = 1920, .screen_height = 1080});
  sim.desktop.files().write_file(sim.exe_folder() + "pics\\user.bmp", support::tiny_bitmap(8, 8));
  sim.app->set_title("Slatebar");
  sim.create_all_forms();
  sim.desktop.move_pointer(960, 540);
  frmMenu->show();
  sim.desktop.advance(2000);

  // With the bar out, the pointer watch switches the slide-out timer on at
  // nearly every tick and the slide-out turns it off again, hiding the
  // (hidden) clock panel: 20 of each a second. Reading the pointer and
  // the foreground window are queries and not recorded.
  const Counts expected = {{"KillTimer", 20}, {"SetTimer", 20}, {"ShowWindow", 20}};
  EXPECT_EQ(calls_in_one_second(sim), expected) << "lock screen up";
  frmLogon->hide();
  frmWelcome->hide();
  sim.desktop.advance(2000);
  EXPECT_EQ(calls_in_one_second(sim), expected) << "unlocked";
}

}  // namespace
