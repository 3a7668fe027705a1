// The recorder writes what crosses the seam: the calls made through it,
// and the notifications the desktop sends to windows, once each.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/sim/desktop.h"
#include "sim_probe.h"

namespace {

using namespace plat;
using sim::Desktop;
using sim_test::Probe;
using Lines = std::vector<std::string>;

TEST(SimRecorder, RecordsCallsThroughItAndNotificationsWhoeverCausedThem) {
  Desktop d;
  Lines got;
  Probe bar("frmMenu", got), clock("frmClock", got);
  WindowParams p;
  p.name = "frmMenu";
  const HWND menu = d.create_window(p, &bar);
  p.name = "frmClock";
  const HWND clk = d.create_window(p, &clock);
  const HWND other = d.add_foreign_window({.class_name = "Notepad", .title = "notes"});
  EXPECT_EQ(d.events(), Lines{}) << "windows made on the desktop itself are not calls of the program";

  // Made directly on the model: only what the windows are told is written,
  // and the program's activation once however many windows it has.
  d.ShowWindow(menu, SW_SHOW);
  d.ShowWindow(clk, SW_SHOW);
  d.activate_foreign(other);
  const Lines direct = {"on_activate_app true", "on_activate frmMenu true", "on_activate frmMenu false",
                        "on_activate frmClock true", "on_activate frmClock false", "on_activate_app false"};
  EXPECT_EQ(d.events(), direct) << sim::side_by_side(direct, d.events());
  EXPECT_EQ(got, (Lines{"frmMenu activate app", "frmClock activate app", "frmClock deactivate app",
                        "frmMenu deactivate app"}))
      << "every window of ours still gets WM_ACTIVATEAPP, from the top of the z-order";

  // Through the recorder: the calls too, each before what it causes; a
  // handle the desktop does not know writes no call.
  d.log().clear();
  plat::Platform& os = d.recorded();
  os.SetForegroundWindow(clk);
  os.SetCapture(menu);
  os.SetCapture(other);
  os.ShowWindow(0x0BAD, SW_SHOW);
  os.DestroyWindow(menu);
  const Lines recorded = {"SetForegroundWindow frmClock", "on_activate_app true", "on_activate frmClock true",
                          "SetCapture frmMenu", "DestroyWindow frmMenu"};
  EXPECT_EQ(d.events(), recorded) << sim::side_by_side(recorded, d.events());
  EXPECT_EQ(d.GetCapture(), 0u) << "the capture went with its window";

  d.log().set_enabled(false);
  os.ShowWindow(clk, SW_HIDE);
  EXPECT_EQ(d.events(), recorded) << "off, nothing is written";
  EXPECT_FALSE(d.IsWindowVisible(clk)) << "and the calls still reach the desktop";
}

}  // namespace
