// The icon bar's window as its creation leaves it, its context menu, and
// the hand-over of the always-on-top band when the program loses and
// regains activation.
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "support/menu_fixture.h"

namespace {

using menu_test::BarDesk;

plat::DWORD ex_style(plat::HWND w) { return static_cast<plat::DWORD>(plat::os().GetWindowLongA(w, plat::GWL_EXSTYLE)); }

struct Geometry {
  int width, height;
  plat::RECT bar;
  std::vector<int> icon_tops;  // Search, Share, Start, Connect, Settings
};

TEST(MenuWindow, GeometryAfterCreation) {
  const std::vector<Geometry> rows = {
      {1024, 768, {960, 0, 1008, 768}, {232, 296, 360, 424, 488}},
      // An odd height: the centre icon's top is rounded down.
      {1280, 1023, {1216, 0, 1264, 1023}, {359, 423, 487, 551, 615}},
      // The height the design was drawn for.
      {800, 600, {736, 0, 784, 600}, {148, 212, 276, 340, 404}},
  };
  for (const Geometry& row : rows) {
    SCOPED_TRACE(std::to_string(row.width) + "x" + std::to_string(row.height));
    BarDesk d(row.width, row.height);
    TfrmMenu& bar = d.bar();
    EXPECT_EQ(d.desktop.window(bar.handle()).bounds, row.bar);
    std::vector<int> tops, lefts;
    for (ui::Picture* icon : {bar.imgSearch, bar.imgShare, bar.imgMenu, bar.imgConnect, bar.imgSettings}) {
      tops.push_back(icon->top());
      lefts.push_back(icon->left());
      EXPECT_EQ(icon->width(), 48);
      EXPECT_EQ(icon->height(), 48);
      EXPECT_EQ(icon->image().width, 48);
      EXPECT_EQ(icon->image().height, 48);
    }
    EXPECT_EQ(tops, row.icon_tops);
    EXPECT_EQ(lefts, (std::vector<int>{60, 50, 40, 50, 60}));
    // At rest only the left 8 columns of the centre icon are on the bar,
    // and they show the hand.
    const int x = row.bar.left + 44, y = row.icon_tops[2] + 24;
    EXPECT_EQ(d.desktop.window_at(x, y), bar.handle());
    EXPECT_EQ(d.desktop.services().cursor_name(d.desktop.cursor_at(x, y)), "IDC_HAND");
    EXPECT_EQ(d.desktop.services().cursor_name(d.desktop.cursor_at(row.bar.left + 10, 5)), "IDC_ARROW");
  }
}

TEST(MenuWindow, StylesAfterCreation) {
  BarDesk d;
  const sim::Window& w = d.desktop.window(d.bar().handle());
  EXPECT_EQ(w.class_name, "SlatebarCLS");
  EXPECT_EQ(w.title, "frmMenu");
  EXPECT_EQ(d.desktop.FindWindowA("SlatebarCLS", nullptr), d.bar().handle());
  EXPECT_EQ(w.style & (plat::WS_CAPTION | plat::WS_THICKFRAME | plat::WS_BORDER), 0u);
  const plat::DWORD wanted = plat::WS_EX_LAYERED | plat::WS_EX_TOOLWINDOW | plat::WS_EX_TOPMOST;
  EXPECT_EQ(w.ex_style & wanted, wanted);
  EXPECT_TRUE(w.layered_attributes_set);
  EXPECT_EQ(w.layered_alpha, 255);
  EXPECT_EQ(w.layered_flags, plat::LWA_ALPHA);
  EXPECT_EQ(d.bar().color(), 0u);
  EXPECT_EQ(d.app->main_form(), &d.bar());

  // The application window: a visible tool window, so the program has no
  // taskbar button. The style is set while the window is hidden.
  const sim::Window& a = d.desktop.window(d.app->handle());
  EXPECT_TRUE(a.visible());
  EXPECT_NE(a.ex_style & plat::WS_EX_TOOLWINDOW, 0u);
  auto record = d.desktop.log().of({"ShowWindow", "SetWindowLongA"});
  std::vector<std::string> app_calls;
  for (const auto& line : record) {
    if (line.find(" Application ") != std::string::npos) app_calls.push_back(line);
  }
  const std::vector<std::string> expected = {"ShowWindow Application SW_HIDE",
                                             "SetWindowLongA Application GWL_EXSTYLE 0x00000080",
                                             "ShowWindow Application SW_SHOW"};
  EXPECT_TRUE(app_calls == expected) << sim::side_by_side(expected, app_calls);
}

// The bar slid in and settled, so that its icons can be clicked.
void slide_in(BarDesk& d) {
  d.pointer_at(d.width() / 2);
  d.tick(9);
  d.pointer_at(d.width() - 1);
  d.tick(15);
}

struct Click {
  const char* where;
  bool bar_in;
  int from_w;  // pointer x relative to W
  int y;       // -1: the centre icon's middle row
};

TEST(MenuWindow, RightClickAnywhereOnTheBarOpensTheMenu) {
  const std::vector<Click> rows = {
      {"on the centre icon, bar in", true, -30, -1},
      {"on the top end of the bar, bar in", true, -50, 3},
      {"on the bottom end of the bar, bar in", true, -8, 760},
      {"on the centre icon's visible strip at start", false, -20, -1},
      {"on the black of the bar at start", false, -60, 100},
  };
  for (const Click& row : rows) {
    SCOPED_TRACE(row.where);
    BarDesk d;
    if (row.bar_in) slide_in(d);
    const int x = d.width() + row.from_w;
    const int y = row.y < 0 ? d.bar().imgMenu->top() + 24 : row.y;
    ASSERT_EQ(d.desktop.window_at(x, y), d.bar().handle());
    d.desktop.dialogs().choose_in_menus({std::nullopt});
    d.desktop.move_pointer(x, y);
    d.desktop.press(plat::MouseButton::Right);
    d.desktop.release(plat::MouseButton::Right);
    d.desktop.advance(1);
    const auto& menus = d.desktop.dialogs().menus();
    ASSERT_EQ(menus.size(), 1u);
    EXPECT_EQ(menus[0].owner, d.bar().handle());
    EXPECT_EQ(menus[0].at, (plat::POINT{x, y}));
    std::vector<std::string> captions;
    for (const auto& item : menus[0].items) captions.push_back(item.caption);
    EXPECT_EQ(captions, (std::vector<std::string>{"About...", "-", "Lock", "-", "E&xit"}));
    EXPECT_FALSE(d.desktop.quit_posted());
  }
}

// Exit ends the program, with exit code 0, whatever else is on the screen.
TEST(MenuWindow, ExitEndsTheProgram) {
  BarDesk d;
  slide_in(d);
  d.desktop.dialogs().choose_in_menus({4});
  d.desktop.move_pointer(d.width() - 30, 20);
  d.desktop.press(plat::MouseButton::Right);
  d.desktop.release(plat::MouseButton::Right);
  d.desktop.advance(1);
  EXPECT_TRUE(d.desktop.quit_posted());
  EXPECT_EQ(d.desktop.exit_code(), 0);
  EXPECT_TRUE(d.desktop.dialogs().boxes().empty());
}

// ---- the always-on-top hand-over -------------------------------------------

struct Extra {
  const char* name;
  bool ours;
  bool topmost;
};

struct HandOver {
  const char* what;
  bool clock_above_bar;
  std::vector<Extra> made;  // in creation order; each goes to the top of its band
  std::vector<std::string> before, deactivated, reactivated;
};

TEST(MenuHandOver, TopmostWindowsOfOursStepDownWhileAnotherProgramIsActive) {
  const std::vector<HandOver> rows = {
      {"three of ours above the bar",
       false,
       {{"TopA", true, true}, {"TopB", true, true}, {"TopC", true, true}},
       {"TopC", "TopB", "TopA", "frmMenu", "frmClock", "Editor", "Application"},
       // behind every topmost window, in their order, the bar alone on top
       {"frmMenu", "frmClock", "TopC", "TopB", "TopA", "Editor", "Application"},
       // the bar raised by its activation brings its owner, the application
       // window, to the top of the ordinary band
       {"TopC", "TopB", "TopA", "frmMenu", "frmClock", "Application", "Editor"}},
      {"another program's topmost window among ours stays where it is",
       false,
       {{"TopA", true, true}, {"Pinned", false, true}, {"TopB", true, true}, {"TopC", true, true}},
       {"TopC", "TopB", "Pinned", "TopA", "frmMenu", "frmClock", "Editor", "Application"},
       {"Pinned", "frmMenu", "frmClock", "TopC", "TopB", "TopA", "Editor", "Application"},
       // the bar, raised by its activation, goes back in front of the
       // other program's window; ours go back to their places around it
       {"TopC", "TopB", "frmMenu", "Pinned", "TopA", "frmClock", "Application", "Editor"}},
      {"the clock panel shown above the bar steps down too; ordinary windows of ours are left alone",
       true,
       {{"Plain", true, false}, {"TopA", true, true}, {"TopB", true, true}, {"TopC", true, true}},
       {"frmClock", "TopC", "TopB", "TopA", "frmMenu", "Plain", "Application", "Editor"},
       {"frmMenu", "frmClock", "TopC", "TopB", "TopA", "Editor", "Plain", "Application"},
       {"frmClock", "TopC", "TopB", "TopA", "frmMenu", "Plain", "Application", "Editor"}},
  };
  for (const HandOver& row : rows) {
    SCOPED_TRACE(row.what);
    BarDesk d;
    sim::ForeignWindow editor;
    editor.class_name = "Editor";
    editor.visible = true;
    const plat::HWND editor_window = d.desktop.add_foreign_window(editor);
    for (const Extra& e : row.made) {
      sim::ForeignWindow w;
      w.name = e.name;
      w.ex_style = e.topmost ? plat::WS_EX_TOPMOST : 0;
      if (e.ours) {
        w.process = sim::kOurProcess;
        w.owner = d.app->handle();
      }
      d.desktop.add_foreign_window(w);
    }
    if (row.clock_above_bar) {
      d.pointer_at(d.width() - 1);
      d.tick();
    }
    EXPECT_EQ(d.desktop.z_order_names(), row.before);

    d.desktop.log().clear();
    d.desktop.activate_foreign(editor_window);
    EXPECT_EQ(d.desktop.z_order_names(), row.deactivated);
    EXPECT_FALSE(d.bar().tmrHideMenu->enabled()) << "the handler ran inside the notification";
    d.desktop.advance(1);
    EXPECT_TRUE(d.bar().tmrHideMenu->enabled()) << "the handler did not run after it";
    EXPECT_TRUE(ex_style(d.bar().handle()) & plat::WS_EX_TOPMOST);
    for (const std::string& line : d.desktop.log().of({"SetWindowPos"})) {
      EXPECT_NE(line.find("SWP_NOSIZE|SWP_NOMOVE|SWP_NOACTIVATE|SWP_NOOWNERZORDER"), std::string::npos) << line;
    }

    plat::os().SetForegroundWindow(d.bar().handle());
    d.desktop.advance(1);
    EXPECT_EQ(d.desktop.z_order_names(), row.reactivated);
  }
}

// The walk runs inside the notification, the bar's handler afterwards
// from the posted message: the record shows the order. The handler's
// slide-out timer joins the running pointer watch's system timer, so it
// shows in the timer's state, not in the record.
TEST(MenuHandOver, HandlerRunsFromThePostedMessage) {
  BarDesk d;
  sim::ForeignWindow ours;
  ours.name = "TopA";
  ours.ex_style = plat::WS_EX_TOPMOST;
  ours.process = sim::kOurProcess;
  ours.owner = d.app->handle();
  d.desktop.add_foreign_window(ours);
  sim::ForeignWindow editor;
  editor.class_name = "Editor";
  const plat::HWND editor_window = d.desktop.add_foreign_window(editor);
  // Off-screen and idle, so the only timer switched on is the handler's.
  d.pointer_at(d.width() - 2);
  d.tick(9);
  d.desktop.log().clear();
  d.desktop.activate_foreign(editor_window);
  d.desktop.advance(1);
  std::vector<std::string> actual;
  for (std::string line : d.desktop.log().of({"on_activate_app", "SetWindowPos", "PostMessageA", "SetTimer"})) {
    actual.push_back(line);
  }
  const std::vector<std::string> expected = {
      "on_activate_app false",
      "SetWindowPos TopA HWND_NOTOPMOST SWP_NOSIZE|SWP_NOMOVE|SWP_NOACTIVATE|SWP_NOOWNERZORDER",
      // The bar and the clock panel left the band with it, their owner's
      // other windows, and go back where they stood.
      "SetWindowPos frmMenu HWND_TOPMOST SWP_NOSIZE|SWP_NOMOVE|SWP_NOACTIVATE|SWP_NOOWNERZORDER",
      "SetWindowPos frmClock HWND_TOPMOST SWP_NOSIZE|SWP_NOMOVE|SWP_NOACTIVATE|SWP_NOOWNERZORDER",
      "SetWindowPos frmClock frmMenu SWP_NOSIZE|SWP_NOMOVE|SWP_NOACTIVATE|SWP_NOOWNERZORDER",
      "PostMessageA Application 0x00000001 0",
  };
  EXPECT_TRUE(actual == expected) << sim::side_by_side(expected, actual);
  EXPECT_TRUE(d.bar().tmrHideMenu->enabled());
}

}  // namespace
