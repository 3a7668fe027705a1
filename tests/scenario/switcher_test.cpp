// The left-edge strip: how it comes in and goes, and how a press, a drag
// and a release on it drive the window list.
#include <gtest/gtest.h>

#include "forms/appPicture/appPicture.h"
#include "forms/appswitcher/appswitcher.h"
#include "forms/framework/framework.h"
#include "platform/sim/event_log.h"
#include "support/sim_app.h"
#include "ui/button.h"
#include "ui/list_box.h"

namespace {

using support::SimApp;

struct Switcher : ::testing::Test {
  Switcher() {
    sim.create_all_forms();
    strip = frmAppSwitcher;
    list = frmAppPicture;
    // Creating the icon bar shows the application window, which takes the
    // foreground; the strip ignores the edge until another window has it.
    sim.desktop.activate_foreign(add_window("Editor"));
  }
  // One tick of the strip's timer, 50 ms on.
  void tick() { sim.desktop.advance(50); }
  plat::HWND add_window(const char* title) {
    sim::ForeignWindow w;
    w.title = title;
    return sim.desktop.add_foreign_window(w);
  }
  SimApp sim;
  TfrmAppSwitcher* strip = nullptr;
  TfrmAppPicture* list = nullptr;
};

TEST_F(Switcher, ComesInTenPixelsATickOnTheEdgeColumnAndGoesBackBeyondColumnTen) {
  struct Step {
    int x;
    int left_after;
  } steps[] = {
      {0, -30}, {0, -20}, {0, -10}, {0, 0}, {0, 0},  // four ticks to come fully in, then it stays
      {5, 0},   {10, 0},                              // columns 1 to 10 leave it where it is
      {11, -40},                                      // beyond them it goes back at once
      {0, -30}, {7, -30},
  };
  std::vector<int> expected, actual;
  for (const auto& s : steps) {
    sim.desktop.move_pointer(s.x, 300);
    tick();
    expected.push_back(s.left_after);
    actual.push_back(strip->left());
  }
  EXPECT_EQ(expected, actual);
  EXPECT_EQ(strip->width(), 20);
  EXPECT_EQ(strip->height(), 768);
}

TEST_F(Switcher, StaysStillWhileTheApplicationWindowIsForegroundOrWhileDraggingOrWhenThePointerCannotBeRead) {
  sim.desktop.move_pointer(0, 300);
  // The application window keeps the activation it is handed only while
  // no window can take it: no other program's, and ours all disabled.
  sim.desktop.close_foreign_window(sim.desktop.find_by_name("Editor"));
  std::vector<plat::HWND> disabled;
  for (ui::Form* form : sim.app->forms()) {
    if (plat::os().EnableWindow(form->handle(), 0) == 0) disabled.push_back(form->handle());
  }
  sim.desktop.SetForegroundWindow(sim.app->handle());
  tick();
  ASSERT_EQ(sim.desktop.GetForegroundWindow(), sim.app->handle());
  EXPECT_EQ(strip->left(), -40);
  for (plat::HWND w : disabled) plat::os().EnableWindow(w, 1);
  sim.desktop.activate_foreign(add_window("Other"));
  appswitcher::SwitcherDragging = true;
  tick();
  EXPECT_EQ(strip->left(), -40);
  appswitcher::SwitcherDragging = false;
  sim.desktop.refuse_cursor_reads(true);
  tick();
  EXPECT_EQ(strip->left(), -40);
  sim.desktop.refuse_cursor_reads(false);
  tick();
  EXPECT_EQ(strip->left(), -30);
}

TEST_F(Switcher, APressOpensTheListOffScreenHidesTheFrameAndADragPullsItOut) {
  add_window("Lower");
  add_window("Upper");
  frmFrameWork->show();
  strip->show();
  strip->set_left(0);
  sim.desktop.move_pointer(5, 400);
  sim.desktop.log().clear();
  // Press at 5,400, move right by 200 and up by 20, release there.
  sim.desktop.schedule_move(sim.desktop.now() + 100, 205, 380);
  sim.desktop.schedule_release(sim.desktop.now() + 200);
  plat::POINT seen{};
  sim.desktop.at(sim.desktop.now() + 150, [&] { seen = {list->left(), list->top()}; });
  sim.desktop.press();
  sim.desktop.advance(400);

  EXPECT_EQ(seen.x, 5 + 200 - list->width());  // the right edge follows the pointer
  EXPECT_EQ(seen.y, 400 - 20 - list->height() / 2);
  auto shows = sim.desktop.log().of({"ShowWindow"});
  ASSERT_GE(shows.size(), 2u);
  EXPECT_EQ(shows[0], "ShowWindow frmAppPicture SW_SHOWNOACTIVATE");
  EXPECT_EQ(shows[1], "ShowWindow frmFrameWork SW_HIDE");
  EXPECT_FALSE(plat::os().IsWindowVisible(list->handle()));
  EXPECT_FALSE(plat::os().IsWindowVisible(frmFrameWork->handle()));
  ASSERT_EQ(sim.desktop.switches().size(), 1u);
  // The lowest listed window: the editor that had the foreground first.
  EXPECT_EQ(sim.desktop.name_of(sim.desktop.switches()[0].hwnd), "Editor");
  EXPECT_FALSE(appPicture::ThumbnailShown);
  EXPECT_FALSE(appswitcher::SwitcherDragging);
}

TEST_F(Switcher, AReleaseNearTheEdgeCancelsAndAReleaseWithTheListHiddenOnlyEndsTheDrag) {
  add_window("Only");
  strip->show();
  strip->set_left(0);
  sim.desktop.move_pointer(5, 400);
  sim.desktop.schedule_release(sim.desktop.now() + 100);
  sim.desktop.press();
  sim.desktop.advance(300);
  EXPECT_TRUE(sim.desktop.switches().empty());
  EXPECT_FALSE(plat::os().IsWindowVisible(list->handle()));

  appswitcher::SwitcherDragging = true;
  strip->FormMouseUp(*strip, ui::MouseButton::Left, 0, 50, 10);
  EXPECT_FALSE(appswitcher::SwitcherDragging);
  EXPECT_TRUE(sim.desktop.switches().empty());
}

TEST_F(Switcher, TheReleaseStillEndsTheDragWhenThePreviewShowedAMessage) {
  // Without composition the preview says so in a box, which takes the
  // mouse capture away from the strip while the button is held.
  sim.compositor->composition_enabled = 0;
  add_window("Target");
  strip->show();
  strip->set_left(0);
  sim.desktop.move_pointer(5, 400);
  sim.desktop.schedule_move(sim.desktop.now() + 100, 300, 400);
  sim.desktop.schedule_release(sim.desktop.now() + 200);
  sim.desktop.press();
  sim.desktop.advance(400);
  auto boxes = sim.desktop.log().of({"MessageBoxA"});
  ASSERT_FALSE(boxes.empty());
  EXPECT_NE(boxes.back().find("Aero is not enabled"), std::string::npos);
  EXPECT_FALSE(appswitcher::SwitcherDragging);
  EXPECT_FALSE(plat::os().IsWindowVisible(list->handle()));
  ASSERT_EQ(sim.desktop.switches().size(), 1u);
}

TEST_F(Switcher, ARightButtonPressListsAndPreviewsButDoesNotDrag) {
  add_window("Target");
  strip->show();
  strip->set_left(0);
  sim.desktop.move_pointer(5, 400);
  sim.desktop.press(ui::MouseButton::Right);
  sim.desktop.advance(100);
  EXPECT_TRUE(plat::os().IsWindowVisible(list->handle()));
  EXPECT_EQ(list->lbWindows->count(), 2);  // the editor and the target
  EXPECT_TRUE(appPicture::ThumbnailShown);
}

TEST_F(Switcher, AQuitDuringTheDragEndsTheDragAndTheProgram) {
  strip->show();
  strip->set_left(0);
  sim.desktop.move_pointer(5, 400);
  sim.desktop.at(sim.desktop.now() + 100, [&] { sim.app->terminate(); });
  sim.desktop.press();
  sim.desktop.advance(500);
  EXPECT_TRUE(sim.app->terminated());
  EXPECT_TRUE(sim.desktop.quit_posted());
}

}  // namespace
