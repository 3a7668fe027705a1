// What the icon bar's icons and its context menu do, on the simulated
// desktop with all eight forms: which windows are shown and in what order
// they stand afterwards, where the browser frame is sent, which boxes
// appear, and how Exit ends the program with a splash still open.
#include <gtest/gtest.h>

#include <functional>
#include <utility>

#include "forms/Logon/Logon.h"
#include "forms/framework/framework.h"
#include "forms/menu/menu.h"
#include "forms/welcome/welcome.h"
#include "platform/sim/event_log.h"
#include "support/sim_app.h"
#include "ui/web_browser.h"

namespace {

using Seq = std::vector<std::string>;

constexpr const char* kStartPage = "file:///C:/Program Files/Slatebar/menu\\index.htm";
constexpr const char* kSearchPage = "https://html.duckduckgo.com/html/";
// The context menu's items as TrackPopupMenu lists them.
constexpr std::size_t kAbout = 0, kLock = 2, kExit = 4;

struct MenuActions : ::testing::Test {
  MenuActions() {
    sim.app->set_title("Slatebar");
    sim.create_all_forms();
    // The bar's window as the message loop leaves it after the start-up.
    plat::os().ShowWindow(frmMenu->handle(), plat::SW_SHOW);
    sim.desktop.dialogs().clear_records();
    sim.desktop.log().clear();
  }

  sim::FakeBrowser& browser() { return *static_cast<sim::FakeBrowser*>(frmFrameWork->wb1->host()); }

  // The calls that decide what a person sees, for windows of ours.
  Seq calls() {
    Seq out;
    for (auto& e : sim.desktop.log().of({"ShowWindow", "SetWindowPos", "Navigate", "MessageBoxA", "create_window"})) {
      out.push_back(e);
    }
    return out;
  }
  // Our visible windows from the front, the always-on-top band first.
  Seq visible() {
    Seq out;
    for (auto& name : sim.desktop.z_order_names(sim::Windows::Visible)) {
      if (name.starts_with("frm") || name == "FormSplash" || name == "Editor") out.push_back(name);
    }
    return out;
  }
  // Another program's window over the middle of the screen, active.
  void cover_with_editor() {
    sim::ForeignWindow editor;
    editor.class_name = "EditorClass";
    editor.title = "Editor";
    editor.bounds = {200, 150, 800, 600};
    editor_ = sim.desktop.add_foreign_window(editor);
    sim.desktop.activate_foreign(editor_);
  }
  // A right click on the bar with the menu's answer scripted.
  void choose(std::size_t item) {
    sim.desktop.dialogs().choose_in_menus({item});
    sim.desktop.move_pointer(frmMenu->left() + 10, 100);
    sim.desktop.press(plat::MouseButton::Right);
    sim.desktop.release(plat::MouseButton::Right);
    sim.desktop.advance(1);
  }

  support::SimApp sim;
  plat::HWND editor_ = 0;
};

void expect_seq(const Seq& expected, const Seq& actual, const char* what) {
  EXPECT_EQ(expected, actual) << what << "\n" << sim::side_by_side(expected, actual);
}

// Each icon from two starting points: the frame hidden, and the frame
// open behind another program's window.
TEST_F(MenuActions, EachIconAsARecordedSequence) {
  enum class Start { FrameHidden, FrameCovered };
  struct Row {
    const char* what;
    Start start;
    std::function<ui::Picture*()> icon;
    Seq calls;
    Seq visible_after;
  };
  const std::string front = "SetWindowPos frmFrameWork HWND_TOP SWP_NOSIZE|SWP_NOMOVE|SWP_NOACTIVATE";
  const std::string start_page = std::string("Navigate frmFrameWork ") + kStartPage;
  const std::string search_page = std::string("Navigate frmFrameWork ") + kSearchPage;
  // The box stands in front of every window of ours: the always-on-top
  // ones step down into the ordinary band for its life (placed from the
  // lowest up, behind `behind`) and go back after to their places in the
  // band, from the top down, each behind the one that stood in front.
  auto boxed = [](const std::string& box, const std::string& behind) {
    const std::string keep = " SWP_NOSIZE|SWP_NOMOVE|SWP_NOACTIVATE|SWP_NOOWNERZORDER";
    const std::vector<std::string> lowest_first = {"frmClock",   "frmAppSwitcher", "frmAppPicture", "frmLogon",
                                                   "frmSetting", "frmWelcome",     "frmMenu"};
    Seq out;
    for (const std::string& name : lowest_first) out.push_back("SetWindowPos " + name + " " + behind + keep);
    out.push_back(box);
    std::string in_front;
    for (auto it = lowest_first.rbegin(); it != lowest_first.rend(); ++it) {
      out.push_back("SetWindowPos " + *it + " HWND_TOPMOST" + keep);
      if (!in_front.empty()) out.push_back("SetWindowPos " + *it + " " + in_front + keep);
      in_front = *it;
    }
    return out;
  };
  const std::string not_yet = "MessageBoxA \"Slatebar\" \"Not yet implemented\" MB_OK -> IDOK";
  // From the background the box is in the topmost band, where it can be seen.
  const std::string not_yet_on_top = "MessageBoxA \"Slatebar\" \"Not yet implemented\" MB_OK|MB_TOPMOST -> IDOK";
  const Row rows[] = {
      {"Start, frame hidden", Start::FrameHidden, [] { return frmMenu->imgMenu; },
       {"ShowWindow frmFrameWork SW_SHOW", front, start_page}, {"frmMenu", "frmFrameWork"}},
      {"Start, frame covered: to the front, and home again", Start::FrameCovered, [] { return frmMenu->imgMenu; },
       {front, start_page}, {"frmMenu", "frmFrameWork", "Editor"}},
      {"Search, frame hidden", Start::FrameHidden, [] { return frmMenu->imgSearch; },
       {"ShowWindow frmFrameWork SW_SHOW", front, search_page}, {"frmMenu", "frmFrameWork"}},
      {"Search, frame covered: it stays where it is", Start::FrameCovered, [] { return frmMenu->imgSearch; },
       {search_page}, {"frmMenu", "Editor", "frmFrameWork"}},
      {"Connect, frame hidden: shown, not navigated", Start::FrameHidden, [] { return frmMenu->imgConnect; },
       {"ShowWindow frmFrameWork SW_SHOW", front}, {"frmMenu", "frmFrameWork"}},
      {"Connect, frame covered: to the front only", Start::FrameCovered, [] { return frmMenu->imgConnect; },
       {front}, {"frmMenu", "frmFrameWork", "Editor"}},
      {"Share", Start::FrameHidden, [] { return frmMenu->imgShare; }, boxed(not_yet, "HWND_NOTOPMOST"),
       {"frmMenu"}},
      {"Settings", Start::FrameCovered, [] { return frmMenu->imgSettings; }, boxed(not_yet_on_top, "Editor"),
       {"frmMenu", "Editor", "frmFrameWork"}},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.what);
    frmFrameWork->hide();
    if (editor_) sim.desktop.close_foreign_window(std::exchange(editor_, 0));
    if (row.start == Start::FrameCovered) {
      frmFrameWork->show();
      cover_with_editor();
    }
    const std::size_t navigations = browser().history().size();
    sim.desktop.log().clear();
    row.icon()->click();
    expect_seq(row.calls, calls(), row.what);
    expect_seq(row.visible_after, visible(), "visible windows from the front");
    const bool navigates = std::find_if(row.calls.begin(), row.calls.end(), [](const std::string& c) {
                             return c.starts_with("Navigate");
                           }) != row.calls.end();
    EXPECT_EQ(browser().history().size(), navigations + (navigates ? 1 : 0));
  }
}

// The start page beside the executable, wherever that is: nothing escaped,
// every backslash of the folder turned, the page's own kept.
TEST_F(MenuActions, TheStartIconSendsTheFrameToThePageBesideTheExecutable) {
  struct Row {
    const char* exe;
    std::u16string url;
  };
  const Row rows[] = {
      {"C:\\Tools\\Shell\\slatebar.exe", u"file:///C:/Tools/Shell/menu\\index.htm"},
      {"\\\\server\\share\\Slatebar\\slatebar.exe", u"file://///server/share/Slatebar/menu\\index.htm"},
      {"C:\\Program Files\\My Shell\\slatebar.exe", u"file:///C:/Program Files/My Shell/menu\\index.htm"},
      {"C:\\Programme\\B\xFCro\\slatebar.exe", u"file:///C:/Programme/B\u00FCro/menu\\index.htm"},
      {"D:\\slatebar.exe", u"file:///D:/menu\\index.htm"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.exe);
    sim.desktop.services().set_exe_path(row.exe);
    frmMenu->imgMenu->click();
    ASSERT_FALSE(browser().history().empty());
    EXPECT_EQ(browser().history().back(), row.url);
  }
}

TEST_F(MenuActions, ANavigationTheControlRefusesIsShownInTheErrorBoxAndTheFrameStaysShown) {
  for (auto icon : {&TfrmMenu::imgMenu, &TfrmMenu::imgSearch}) {
    frmFrameWork->hide();
    browser().fail(sim::BrowserCall::Navigate, plat::E_FAIL);
    sim.desktop.dialogs().clear_records();
    (frmMenu->*icon)->click();
    const auto& boxes = sim.desktop.dialogs().boxes();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].caption, "Slatebar");
    EXPECT_EQ(sim::Dialogs::kind(boxes[0].type), "error");
    EXPECT_TRUE(sim.desktop.window(frmFrameWork->handle()).visible());
    browser().clear_fault(sim::BrowserCall::Navigate);
  }
}

TEST_F(MenuActions, AboutShowsANewSplashEachTimeAlsoWhileOneIsOpen) {
  choose(kAbout);
  const sim::Millis first_made = sim.desktop.now();
  Seq splashes;
  for (auto& e : sim.desktop.log().of({"create_window", "TrackPopupMenu"})) splashes.push_back(e);
  expect_seq({"TrackPopupMenu frmMenu 970,100 [About...|-|Lock|-|E&xit] -> 0", "create_window FormSplash"}, splashes,
             "the menu, then a splash");
  expect_seq({"FormSplash", "frmMenu"}, visible(), "the splash over the bar");

  sim.desktop.advance(1000);
  choose(kAbout);
  std::vector<plat::HWND> open;
  for (plat::HWND h : sim.desktop.z_order(sim::Windows::Visible)) {
    if (sim.desktop.name_of(h) == "FormSplash") open.push_back(h);
  }
  ASSERT_EQ(open.size(), 2u) << "a second splash beside the first";
  for (plat::HWND h : open) EXPECT_EQ(sim.desktop.window(h).layered_updates.size(), 85u);

  sim.desktop.advance(first_made + 4096 - sim.desktop.now());
  EXPECT_FALSE(sim.desktop.window_exists(open[1])) << "the first splash goes on its own time";
  EXPECT_TRUE(sim.desktop.window_exists(open[0]));
}

// Lock from the unlocked desktop, and again while the lock screen is up
// but pushed partly away, with the bar in front as the program leaves it.
TEST_F(MenuActions, LockBringsTheWelcomeAndThenTheLockScreenToTheFrontAtTheTop) {
  struct Row {
    const char* what;
    std::function<void()> before;
  };
  const Row rows[] = {
      {"unlocked", [] {}},
      {"locked, pushed up and covered",
       [] {
         frmWelcome->show();
         frmLogon->show();
         frmLogon->set_top(-300);
         frmFrameWork->show();
         frmMenu->bring_to_front();
       }},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.what);
    frmWelcome->hide();
    frmLogon->hide();
    frmFrameWork->hide();
    row.before();
    sim.desktop.log().clear();
    choose(kLock);
    Seq shows;
    for (auto& e : calls()) {
      if (e.find("frmWelcome") != std::string::npos || e.find("frmLogon") != std::string::npos) shows.push_back(e);
    }
    // Both are stay-on-top screens: in front of the bar too.
    const Seq order = visible();
    ASSERT_GE(order.size(), 3u);
    EXPECT_EQ(Seq(order.begin(), order.begin() + 2), (Seq{"frmLogon", "frmWelcome"}));
    EXPECT_EQ(frmLogon->top(), 0);
    plat::RECT r{};
    plat::os().GetWindowRect(frmLogon->handle(), &r);
    EXPECT_EQ(r.top, 0);
    // The welcome screen is raised before the lock screen.
    auto at = [&](const std::string& needle) {
      return std::find_if(shows.begin(), shows.end(), [&](const std::string& e) { return e.find(needle) != e.npos; }) -
             shows.begin();
    };
    const auto welcome = at("frmWelcome HWND_TOP"), logon = at("frmLogon HWND_TOP");
    EXPECT_LT(welcome, logon) << ::testing::PrintToString(shows);
    EXPECT_LT(logon, static_cast<std::ptrdiff_t>(shows.size())) << ::testing::PrintToString(shows);
  }
}

TEST_F(MenuActions, ExitWithASplashOpenEndsTheLoopAndDestroysEveryForm) {
  sim.desktop.files().write_file("C:\\users\\user\\Temp\\user.bmp", support::tiny_bitmap(4, 4));
  const sim::Millis t = sim.desktop.now();
  plat::HWND splash = 0;
  sim.desktop.at(t + 2000, [&] {
    frmMenu->About1->click();
    splash = sim.desktop.find_by_name("FormSplash");
  });
  sim.desktop.at(t + 3500, [&] { frmMenu->Exit1->click(); });
  sim.desktop.set_deadline(t + 60'000);
  sim.app->run();

  EXPECT_FALSE(sim.desktop.deadline_reached()) << "the loop ran on after Exit";
  EXPECT_EQ(sim.desktop.exit_code(), 0);
  ASSERT_NE(splash, 0u);
  EXPECT_FALSE(sim.desktop.window_exists(splash));
  EXPECT_TRUE(sim.app->forms().empty());
  for (const auto& name : sim.desktop.z_order_names()) {
    EXPECT_FALSE(name.starts_with("frm") || name == "FormSplash") << name << " outlived the program";
  }
}

}  // namespace
