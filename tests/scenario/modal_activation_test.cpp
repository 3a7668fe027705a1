// Message boxes and the activation around them, on the whole program as it
// stands after its start (the lock screen up): a box stands in front of
// every window of ours, disables them while the timers go on, and hands the
// activation back; the application window never keeps the activation it
// is handed after a box, the About splash, the unlock or a switch, so the
// bar and the strip answer the edges at once.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "forms/Logon/Logon.h"
#include "forms/Splash/Splash.h"
#include "forms/appPicture/appPicture.h"
#include "forms/appswitcher/appswitcher.h"
#include "forms/menu/menu.h"
#include "forms/welcome/welcome.h"
#include "platform/sim/event_log.h"
#include "support/lock_fixture.h"
#include "support/sim_app.h"
#include "ui/label.h"
#include "ui/picture.h"

namespace {

using Names = std::vector<std::string>;

constexpr int kWidth = 1024;
constexpr int kHeight = 768;
constexpr std::size_t kAbout = 0;

struct Program {
  explicit Program(bool compositor = true) : sim(support::SimAppOptions{.compositor = compositor}) {
    sim.app->set_title("Slatebar");
    sim.desktop.set_local_time({2024, 6, 3, 5, 10, 0, 30, 0});
    sim.desktop.files().write_file(lock_test::in_pics("user.bmp"), support::tiny_bitmap(48, 48));
    sim.create_all_forms();
    frmMenu->show();  // the start-up: the screens come up, the lock screen in front
    sim.desktop.advance(2000);  // the bar's first slide-out is over
    sim.desktop.dialogs().clear_records();
  }

  sim::Desktop& d() { return sim.desktop; }
  std::string foreground() { return d().name_of(d().GetForegroundWindow()); }
  plat::HWND add_editor() {
    sim::ForeignWindow editor;
    editor.title = "Editor";
    return d().add_foreign_window(editor);
  }
  // Our forms whose windows are enabled / always on top.
  Names forms_where(const std::function<bool(plat::HWND)>& test) {
    Names out;
    for (ui::Form* form : sim.app->forms()) {
      if (test(form->handle())) out.push_back(form->name());
    }
    return out;
  }
  Names enabled_forms() {
    return forms_where([](plat::HWND w) { return plat::os().IsWindowEnabled(w) != 0; });
  }
  Names topmost_forms() {
    return forms_where([&](plat::HWND w) { return d().window(w).topmost(); });
  }
  // The topmost band, every program's windows, hidden ones too, in order.
  Names band() {
    Names out;
    for (plat::HWND h : d().z_order()) {
      if (d().window(h).topmost()) out.push_back(d().name_of(h));
    }
    return out;
  }
  // Whether the bar and the strip answer the edges now, with no click:
  // the pointer rests on the right edge, then on the left edge.
  std::string edges_answer() {
    d().move_pointer(kWidth - 1, kHeight / 2);
    d().advance(400);
    const bool bar_in = frmMenu->left() <= kWidth - 54;
    d().move_pointer(0, kHeight / 2);
    d().advance(400);
    const bool strip_in = frmAppSwitcher->left() == 0;
    d().move_pointer(kWidth / 2, kHeight / 2);
    d().advance(600);
    return std::string(bar_in ? "bar in" : "bar stays out") + (strip_in ? ", strip in" : ", strip stays out");
  }

  support::SimApp sim;
};

// The lock screen up, the user clicks Share and leaves the box open for a
// minute.
TEST(ModalBox, HeldOpenItStandsInFrontDisablesEveryFormAndTheTimersGoOn) {
  Program p;
  ASSERT_TRUE(frmLogon->visible());
  const Names all_forms = p.forms_where([](plat::HWND) { return true; });
  const Names topmost_before = p.topmost_forms();
  const auto order_before = p.d().z_order_names(sim::Windows::Visible);
  const plat::HWND had_it = p.d().GetForegroundWindow();
  ASSERT_EQ(p.d().name_of(had_it), "frmMenu");

  struct Inside {
    std::string front, foreground, time_early, time_late;
    Names enabled, topmost;
    std::size_t boxes_after_click = 0;
    int lock_top_after_click = 0;
  } in;
  p.d().dialogs().script_box({.open_ms = 60000, .while_open = [&] {
                                const sim::Millis t = p.d().now();
                                p.d().at(t + 1000, [&] {
                                  in.front = p.d().z_order_names(sim::Windows::Visible).front();
                                  in.foreground = p.foreground();
                                  in.enabled = p.enabled_forms();
                                  in.topmost = p.topmost_forms();
                                  in.time_early = frmLogon->lblTime->caption();
                                  // A click on the disabled lock screen does nothing.
                                  p.d().move_pointer(100, 100);
                                  p.d().press();
                                  p.d().release();
                                });
                                p.d().at(t + 1100, [&] {
                                  in.boxes_after_click = p.d().dialogs().boxes().size();
                                  in.lock_top_after_click = frmLogon->top();
                                });
                                p.d().at(t + 59000, [&] { in.time_late = frmLogon->lblTime->caption(); });
                              }});
  frmMenu->imgShare->click();

  ASSERT_EQ(p.d().dialogs().boxes().size(), 1u);
  EXPECT_EQ(in.front, "MessageBox");
  EXPECT_EQ(in.foreground, "MessageBox");
  EXPECT_EQ(in.enabled, Names{}) << "every form is disabled under the box";
  EXPECT_EQ(in.topmost, Names{}) << "none of ours stands above the box";
  EXPECT_NE(in.time_early, in.time_late) << "the lock screen's clock went on";
  EXPECT_EQ(in.boxes_after_click, 1u);
  EXPECT_EQ(in.lock_top_after_click, 0);

  EXPECT_EQ(p.enabled_forms(), all_forms);
  EXPECT_EQ(p.topmost_forms(), topmost_before);
  EXPECT_EQ(p.d().z_order_names(sim::Windows::Visible), order_before);
  EXPECT_EQ(p.foreground(), "frmMenu") << "back to the window that had it";
  EXPECT_EQ(p.edges_answer(), "bar in, strip in");
}

// Where the activation goes after each way the program can hand it to the
// application window, and the edges right after, with no other click.
TEST(Activation, AfterAnyFormGoesItIsNeverLeftOnTheApplicationWindow) {
  struct Row {
    const char* what;
    bool editor;  // another program's window on the desktop
    std::function<void(Program&)> act;
    std::string foreground;
  };
  auto box_with_editor_active = [](Program& p) {
    p.d().activate_foreign(p.d().find_by_name("Editor"));
    frmMenu->imgSettings->click();  // a box while another program is active
  };
  auto about_from_the_bar = [](Program& p) {
    p.d().move_pointer(kWidth - 1, 300);
    p.d().advance(400);
    p.d().dialogs().choose_in_menus({kAbout});
    p.d().move_pointer(kWidth - 20, 300);
    p.d().press(plat::MouseButton::Right);
    p.d().release(plat::MouseButton::Right);
    p.d().advance(6000);  // the splash fades in, stays and goes
  };
  auto about_unused = [](Program& p) {
    frmMenu->About1->click();
    p.d().advance(6000);
  };
  // A window the compositor cloaks (on another virtual desktop) counts as
  // visible and stands in front of the editor, but nobody can see it.
  auto about_past_a_cloaked_window = [about_unused](Program& p) {
    p.sim.compositor->cloaked = {p.d().add_foreign_window({.class_name = "Elsewhere", .title = "Elsewhere"})};
    p.d().SetForegroundWindow(frmMenu->handle());
    about_unused(p);
  };
  auto unlock = [](Program& p) {
    p.d().move_pointer(500, 700);
    p.d().schedule_move(p.d().now() + 60, 500, 300);
    p.d().schedule_release(p.d().now() + 120);
    p.d().press();
    p.d().advance(3000);  // the slide-away, then the welcome screen goes
  };
  const Row rows[] = {
      {"a box answered: the bar had it", false, [](Program&) { frmMenu->imgShare->click(); }, "frmMenu"},
      {"a box answered while another program was active: it keeps it", true, box_with_editor_active, "Editor"},
      {"About from the bar's menu: back to the bar", false, about_from_the_bar, "frmMenu"},
      {"About with no form used: another program", true, about_unused, "Editor"},
      {"About with no form used and no other program: our front form", false, about_unused, "frmMenu"},
      {"About with no form used: past a cloaked window to another program", true, about_past_a_cloaked_window,
       "Editor"},
      {"the unlock with another program open", true, unlock, "Editor"},
      {"the unlock alone on the desktop", false, unlock, "frmMenu"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.what);
    Program p;
    if (row.editor) {
      p.add_editor();
      p.d().SetForegroundWindow(frmMenu->handle());
    }
    row.act(p);
    EXPECT_EQ(p.foreground(), row.foreground);
    EXPECT_EQ(p.edges_answer(), "bar in, strip in");
  }
}

// After a release that switches, the window switched to keeps the keyboard:
// the strip comes back to the front without being activated.
TEST(Activation, AfterASwitchTheWindowSwitchedToKeepsIt) {
  Program p;
  p.add_editor();
  frmLogon->hide();
  frmWelcome->hide();
  p.d().SetForegroundWindow(frmMenu->handle());
  frmAppSwitcher->set_left(0);
  p.d().move_pointer(5, 400);
  p.d().schedule_move(p.d().now() + 100, 300, 400);
  p.d().schedule_release(p.d().now() + 200);
  p.d().press();
  p.d().advance(400);
  ASSERT_EQ(p.d().switches().size(), 1u);
  EXPECT_EQ(p.foreground(), p.d().name_of(p.d().switches()[0].hwnd));
  EXPECT_EQ(p.foreground(), "Editor");
  EXPECT_EQ(p.edges_answer(), "bar in, strip in");
}

// Each box shown while one of the always-on-top screens is up stands in
// front of it, first in the z-order.
TEST(ModalBox, ShownOverAnAlwaysOnTopScreenItIsFirstInTheZOrder) {
  struct Row {
    const char* what;
    bool compositor;
    std::function<void(Program&)> setup;
    std::function<void(Program&)> show_box;
    const char* screen;
  };
  auto share = [](Program&) { frmMenu->imgShare->click(); };
  const Row rows[] = {
      {"Share over the lock screen", true, [](Program&) {}, share, "frmLogon"},
      {"Share over the welcome screen", true, [](Program&) { frmLogon->hide(); }, share, "frmWelcome"},
      {"the preview's box over the window list", false,
       [](Program& p) {
         frmLogon->hide();
         frmWelcome->hide();
         p.add_editor();
       },
       [](Program& p) {
         frmAppSwitcher->set_left(0);
         p.d().move_pointer(5, 400);
         p.d().schedule_release(p.d().now() + 300);
         p.d().press();
         p.d().advance(400);
       },
       "frmAppPicture"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.what);
    Program p(row.compositor);
    row.setup(p);
    Names front;
    bool screen_shown = false;
    p.d().dialogs().script_box({.while_open = [&] {
      const auto order = p.d().z_order_names(sim::Windows::Visible);
      front.assign(order.begin(), order.begin() + 2);
      screen_shown = std::find(order.begin(), order.end(), row.screen) != order.end();
    }});
    row.show_box(p);
    ASSERT_FALSE(p.d().dialogs().boxes().empty());
    EXPECT_TRUE(screen_shown) << row.screen << " was up under the box";
    EXPECT_EQ(front.at(0), "MessageBox");
  }
}

// Another program is activated, a box comes and goes while it is in
// front, then ours is activated again: the bar stays always on top
// throughout, the forms that stood in front of it step down and come back
// to their places in the band.
TEST(TopmostBand, TheBarStaysInItWhateverIsSteppedDown) {
  Program p;
  const plat::HWND editor = p.add_editor();
  p.d().SetForegroundWindow(frmMenu->handle());
  const Names band_before = p.band();
  const auto bar = std::find(band_before.begin(), band_before.end(), "frmMenu");
  ASSERT_NE(bar, band_before.end());
  const Names stays_up(bar, band_before.end());
  struct Step {
    const char* what;
    std::function<void()> act;
    Names band;
    std::string foreground;
  };
  const Step steps[] = {
      {"another program activated", [&] { p.d().activate_foreign(editor); }, stays_up, "Editor"},
      {"a box while it is in front", [&] { frmMenu->imgSettings->click(); }, stays_up, "Editor"},
      {"ours activated again", [&] { p.d().SetForegroundWindow(frmMenu->handle()); }, band_before, "frmMenu"},
  };
  for (const Step& step : steps) {
    SCOPED_TRACE(step.what);
    step.act();
    p.d().advance(100);
    EXPECT_EQ(p.band(), step.band);
    EXPECT_EQ(p.foreground(), step.foreground);
  }
}

// Another program's always-on-top window stands in front of every window
// of ours when the bar's box comes: after the box it still does, but for
// the bar, which is activated again and comes to the top with it.
TEST(ModalBox, ItsCloseLeavesAnotherProgramsAlwaysOnTopWindowWhereItWas) {
  Program p;
  p.d().add_foreign_window({.class_name = "Pinned", .title = "Pinned", .ex_style = plat::WS_EX_TOPMOST});
  auto band_but_bar = [&] {
    Names band = p.band();
    std::erase(band, "frmMenu");
    return band;
  };
  const Names band_before = band_but_bar();
  ASSERT_EQ(p.band().front(), "Pinned");
  frmMenu->imgShare->click();
  ASSERT_EQ(p.d().dialogs().boxes().size(), 1u);
  EXPECT_EQ(band_but_bar(), band_before);
  EXPECT_EQ(p.band().front(), "frmMenu");
  EXPECT_EQ(p.foreground(), "frmMenu");
}

// A box that comes while another program is in front cannot take the
// foreground: it stands in front of that program's windows all the same,
// an always-on-top one too, where the user sees it and a click answers it.
TEST(ModalBox, FromTheBackgroundItStandsInFrontOfTheProgramInFront) {
  Program p;
  p.d().activate_foreign(p.d().add_foreign_window(
      {.class_name = "Pinned", .title = "Pinned", .ex_style = plat::WS_EX_TOPMOST}));
  std::string front, foreground;
  p.d().dialogs().script_box({.while_open = [&] {
    front = p.d().z_order_names(sim::Windows::Visible).front();
    foreground = p.foreground();
  }});
  frmMenu->imgSettings->click();
  ASSERT_EQ(p.d().dialogs().boxes().size(), 1u);
  EXPECT_EQ(front, "MessageBox");
  EXPECT_EQ(foreground, "Pinned");
}

// With none of ours to go back to, the activation goes to the window a
// person would take for the one in front: not the taskbar (a topmost tool
// window) nor a palette that never takes the activation.
TEST(Activation, TheHandOnPassesOverToolAndNoActivateWindows) {
  Program p;
  p.add_editor();
  p.d().add_foreign_window({.class_name = "Palette", .title = "Palette", .ex_style = plat::WS_EX_NOACTIVATE});
  p.d().add_foreign_window({.class_name = "Shell_TrayWnd",
                            .title = "Taskbar",
                            .ex_style = plat::WS_EX_TOOLWINDOW | plat::WS_EX_TOPMOST,
                            .bounds = {0, kHeight - 40, kWidth, kHeight}});
  p.d().SetForegroundWindow(frmMenu->handle());
  frmMenu->About1->click();
  p.d().advance(6000);  // the splash fades in, stays and goes
  EXPECT_EQ(p.foreground(), "Editor");
}

// A start-up box ("DWM Api not present") comes while another program's
// window is in front: after it the start-up goes on to activate the bar,
// and no deactivation hand-over ran on the way.
TEST(ModalBox, AStartUpBoxLeavesTheActivationToTheStartUp) {
  support::SimApp sim(support::SimAppOptions{.compositor = false});
  sim.app->set_title("Slatebar");
  sim.desktop.files().write_file(lock_test::in_pics("user.bmp"), support::tiny_bitmap(48, 48));
  const plat::HWND editor = sim.desktop.add_foreign_window({.class_name = "Editor", .title = "Editor"});
  sim.desktop.activate_foreign(editor);
  sim.desktop.log().clear();
  sim.create_all_forms();
  frmMenu->show();
  sim.desktop.advance(100);
  ASSERT_FALSE(sim.desktop.dialogs().boxes().empty());
  EXPECT_EQ(sim.desktop.dialogs().boxes().front().text, "DWM Api not present");
  EXPECT_EQ(sim.desktop.name_of(sim.desktop.GetForegroundWindow()), "frmMenu");
  EXPECT_EQ(sim.desktop.log().of({"on_activate_app"}), (std::vector<std::string>{"on_activate_app true"}))
      << "the program was activated once and never handed the activation away";
}

}  // namespace
