// What the program asks of the window system while it waits. Under Wine
// every such call is a round trip to the server and every timer message a
// wake-up of the thread and another round trip, and the idle cost is
// counted in them. Per second of idling, in each state a person leaves the
// program in, no call at all is made and the timers wake the thread only
// as often as their intervals ask, the timers of one interval together.
#include <gtest/gtest.h>

#include <map>
#include <string>

#include "forms/Logon/Logon.h"
#include "forms/menu/menu.h"
#include "forms/welcome/welcome.h"
#include "support/sim_app.h"

namespace {

using Counts = std::map<std::string, int>;

struct Second {
  Counts calls;
  std::uint64_t timer_messages = 0;
  int paints = 0;
};

Second one_second(support::SimApp& sim) {
  auto paints = [&] {
    int n = 0;
    for (ui::Form* f : sim.app->forms()) n += sim.desktop.paint_count(f->handle());
    return n;
  };
  const std::size_t from = sim.desktop.events().size();
  const std::uint64_t timer_messages = sim.desktop.timer_messages();
  const int painted = paints();
  sim.desktop.advance(1000);
  Second s;
  const auto& events = sim.desktop.events();
  for (std::size_t i = from; i < events.size(); ++i) ++s.calls[events[i].substr(0, events[i].find(' '))];
  s.timer_messages = sim.desktop.timer_messages() - timer_messages;
  s.paints = paints() - painted;
  return s;
}

TEST(IdleCalls, NoCallsAndOneTimerMessagePerInterval) {
  support::SimApp sim({.screen_width = 1920, .screen_height = 1080});
  sim.desktop.files().write_file(sim.exe_folder() + "pics\\user.bmp", support::tiny_bitmap(8, 8));
  sim.app->set_title("Slatebar");
  sim.create_all_forms();
  sim.desktop.move_pointer(960, 540);
  frmMenu->show();
  sim.desktop.advance(2000);

  // Every watch ticks on the icon bar's one 25 ms system timer: 40 a
  // second, as the floor's one timer, the strip's 50 ms, the location
  // bar's 500 ms and the clocks' 1000 ms watches on some of its ticks.
  // Reading the pointer, the foreground window and our own windows'
  // visibility are queries and not recorded.
  struct Row {
    const char* state;
    void (*enter)(support::SimApp&);
  };
  const Row rows[] = {
      {"lock screen up", [](support::SimApp&) {}},
      {"unlocked",
       [](support::SimApp&) {
         frmLogon->hide();
         frmWelcome->hide();
       }},
      {"bar in, icons settled", [](support::SimApp& s) { s.desktop.move_pointer(1919, 540); }},
  };
  for (const Row& row : rows) {
    row.enter(sim);
    sim.desktop.advance(2000);
    const Second s = one_second(sim);
    EXPECT_EQ(s.calls, Counts{}) << row.state;
    EXPECT_EQ(s.timer_messages, 40u) << row.state;
    EXPECT_EQ(s.paints, 0) << row.state;
  }
  EXPECT_EQ(frmMenu->left(), 1920 - 54) << "the bar came in";
}

}  // namespace
