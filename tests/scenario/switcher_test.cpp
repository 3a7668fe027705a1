// The left-edge strip: how it comes in and goes, and how a press, a drag
// and a release on it drive the window list.
#include <algorithm>

#include <gtest/gtest.h>

#include "forms/appPicture/appPicture.h"
#include "forms/appswitcher/appswitcher.h"
#include "forms/framework/framework.h"
#include "forms/menu/menu.h"
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

// However the release of the press gets lost (while the preview's box is
// up, or to another window under the pointer), the drag ends as that
// release would: the list goes, the thumbnail is released and the strip
// is back at rest, and the keyboard stays with the window that had it.
TEST(SwitcherRelease, TheDragEndsAfterAReleaseTheStripNeverGot) {
  enum class Lost { None, WhileTheBoxIsUp, ToAnotherWindow };
  struct Row {
    const char* name;
    bool composition;
    ui::MouseButton button;
    Lost lost;
    int release_x;
    std::vector<std::string> with_box_up;  // the front of the z-order meanwhile
    std::size_t switches;
  } rows[] = {
      // Let go on seeing the warning, then a click on its OK: nothing was
      // pulled out, so nothing is switched to, wherever the pointer is.
      {"released, then OK clicked", false, ui::MouseButton::Left, Lost::WhileTheBoxIsUp, 300,
       {"MessageBox", "frmAppPicture"}, 0},
      {"right button released, then OK clicked", false, ui::MouseButton::Right, Lost::WhileTheBoxIsUp, 300,
       {"MessageBox", "frmAppPicture"}, 0},
      // The warning answered with the button still held: the drag goes on.
      {"held through the box", false, ui::MouseButton::Left, Lost::None, 300,
       {"MessageBox", "frmAppPicture"}, 1},
      // The capture gone mid-drag: the release reaches the window under
      // the pointer, and the drag still ends there as a release would.
      {"released over another window", true, ui::MouseButton::Left, Lost::ToAnotherWindow, 300, {}, 1},
      {"released over another window in the cancel zone", true, ui::MouseButton::Left, Lost::ToAnotherWindow, 8, {}, 0},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    SimApp app;
    app.create_all_forms();
    // Past the start-up, whose boxes leave the activation where it is: the
    // bar's window is up.
    plat::os().ShowWindow(frmMenu->handle(), plat::SW_SHOWNOACTIVATE);
    app.compositor->composition_enabled = row.composition ? 1 : 0;
    sim::ForeignWindow editor;
    editor.title = "Editor";
    editor.bounds = {100, 100, 600, 500};
    const plat::HWND had_keyboard = app.desktop.add_foreign_window(editor);
    frmAppSwitcher->show();
    frmAppSwitcher->set_left(0);
    app.desktop.activate_foreign(had_keyboard);
    app.desktop.move_pointer(5, 400);
    const auto t = app.desktop.now();
    std::vector<std::string> z_with_box;
    sim::BoxScript box;
    box.open_ms = 300;
    if (row.lost == Lost::WhileTheBoxIsUp) {
      // The button goes up over the disabled strip, then the pointer goes
      // to the box's OK (the box's middle) and clicks it.
      app.desktop.schedule_release(t + 50, row.button);
      app.desktop.schedule_move(t + 100, 512, 420);
      app.desktop.schedule_press(t + 200);
      app.desktop.schedule_release(t + 220);
      app.desktop.at(t + 150, [&] { z_with_box = app.desktop.z_order_names(sim::Windows::Visible); });
    } else if (row.lost == Lost::None) {
      app.desktop.at(t + 150, [&] { z_with_box = app.desktop.z_order_names(sim::Windows::Visible); });
      app.desktop.schedule_move(t + 400, row.release_x, 400);
      app.desktop.schedule_release(t + 500, row.button);
    } else {
      app.desktop.schedule_move(t + 100, row.release_x, 400);
      app.desktop.at(t + 150, [&] { plat::os().ReleaseCapture(); });
      app.desktop.schedule_release(t + 200, row.button);
    }
    app.desktop.dialogs().script_box(box);
    app.desktop.press(row.button);
    app.desktop.advance(800);

    if (!row.with_box_up.empty()) {
      ASSERT_GE(z_with_box.size(), row.with_box_up.size());
      EXPECT_EQ(std::vector<std::string>(z_with_box.begin(), z_with_box.begin() + row.with_box_up.size()),
                row.with_box_up);
    }
    EXPECT_FALSE(appswitcher::SwitcherDragging);
    EXPECT_FALSE(plat::os().IsWindowVisible(frmAppPicture->handle()));
    EXPECT_FALSE(appPicture::ThumbnailShown);
    EXPECT_EQ(app.desktop.switches().size(), row.switches);
    if (row.switches == 0) {
      EXPECT_EQ(app.desktop.GetForegroundWindow(), had_keyboard);
    }
    // At rest: the list off the screen, the strip in front of the other
    // program's window (beside the bar, which it never overlaps) and its
    // timer following the pointer again.
    const auto z = app.desktop.z_order_names(sim::Windows::Visible);
    const auto strip_at = std::find(z.begin(), z.end(), "frmAppSwitcher");
    EXPECT_LT(strip_at, std::find(z.begin(), z.end(), "Editor")) << ::testing::PrintToString(z);
    app.desktop.move_pointer(50, 400);
    app.desktop.advance(50);
    EXPECT_EQ(frmAppSwitcher->left(), -40);
  }
}

// A press that switches nothing leaves the keyboard where it was: the
// strip, an edge surface, never takes the activation.
TEST_F(Switcher, ACancelledPressLeavesTheKeyboardWithTheWindowThatHadIt) {
  const plat::HWND editor = sim.desktop.find_by_name("Editor");
  strip->show();
  strip->set_left(0);
  sim.desktop.activate_foreign(editor);
  sim.desktop.move_pointer(5, 400);
  std::vector<std::string> during;
  plat::HWND foreground_during = 0;
  sim.desktop.at(sim.desktop.now() + 50, [&] {
    during = sim.desktop.z_order_names(sim::Windows::Visible);
    foreground_during = sim.desktop.GetForegroundWindow();
  });
  sim.desktop.schedule_release(sim.desktop.now() + 100);
  sim.desktop.press();
  sim.desktop.advance(300);

  EXPECT_EQ(foreground_during, editor);
  EXPECT_EQ(during.front(), "frmAppPicture") << ::testing::PrintToString(during);
  EXPECT_TRUE(sim.desktop.switches().empty());
  EXPECT_EQ(sim.desktop.GetForegroundWindow(), editor);
  // The list gone, the strip still in front of everything.
  const auto after = sim.desktop.z_order_names(sim::Windows::Visible);
  EXPECT_EQ(after.front(), "frmAppSwitcher") << ::testing::PrintToString(after);
  EXPECT_EQ(std::ranges::count(after, "frmAppPicture"), 0) << ::testing::PrintToString(after);
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
