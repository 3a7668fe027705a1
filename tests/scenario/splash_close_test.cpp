// How the About splash goes: on its timer 4096 ms after it was made (the
// fade-in counts towards that), each splash on its own timer, on a key
// that gives a character, and once only however many close requests
// arrive before it is gone.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

#include "forms/Splash/Splash.h"
#include "forms/menu/menu.h"
#include "support/sim_app.h"
#include "ui/timer.h"

namespace {

constexpr sim::Millis kLifetime = 4096;

struct SplashClose : ::testing::Test {
  SplashClose() : sim({.ship_pictures = false, .compositor = false}) {
    sim.app->set_title("Slatebar");
    sim.app->create_form(frmMenu);  // the main form, as in the program
  }
  // A splash made now and shown; its window's handle outlives the form.
  plat::HWND show_new() {
    TFormSplash& splash = sim.app->create_owned_form<TFormSplash>();
    splash.ShowSplash();
    return splash.handle();
  }
  TFormSplash* form_of(plat::HWND hwnd) {
    for (ui::Form* f : sim.app->forms()) {
      if (f->handle() == hwnd) return dynamic_cast<TFormSplash*>(f);
    }
    return nullptr;
  }
  void advance_to(sim::Millis t) { sim.desktop.advance(t - sim.desktop.now()); }
  std::size_t count_starting(std::string_view prefix) {
    const auto& log = sim.desktop.events();
    return static_cast<std::size_t>(
        std::count_if(log.begin(), log.end(), [&](const std::string& e) { return e.starts_with(prefix); }));
  }
  // The application-window timer id the newest splash's 4096 ms timer got.
  std::string newest_splash_timer() {
    std::string id;
    for (const auto& e : sim.desktop.events()) {
      if (e.starts_with("SetTimer Application ") && e.ends_with(" 4096")) id = e.substr(21, e.size() - 21 - 5);
    }
    return id;
  }
  support::SimApp sim;
};

TEST_F(SplashClose, GoesFourSecondsAfterItWasMadeThoughTheFadeTookPartOfThat) {
  const sim::Millis made = sim.desktop.now();
  const plat::HWND splash = show_new();
  ASSERT_GT(sim.desktop.now(), made + 800) << "the fade took its time";
  advance_to(made + kLifetime - 1);
  EXPECT_TRUE(sim.desktop.window(splash).visible());
  advance_to(made + kLifetime);
  EXPECT_FALSE(sim.desktop.window_exists(splash));
  EXPECT_EQ(form_of(splash), nullptr);
  EXPECT_EQ(sim.app->forms().size(), 1u);
}

TEST_F(SplashClose, TwoSplashesEachGoOnTheirOwnTimer) {
  const sim::Millis first_made = sim.desktop.now();
  const plat::HWND first = show_new();
  advance_to(first_made + 1500);
  const sim::Millis second_made = sim.desktop.now();
  const plat::HWND second = show_new();
  ASSERT_NE(first, second);
  EXPECT_EQ(sim.desktop.z_order_names(sim::Windows::Visible).front(), "FormSplash");
  EXPECT_EQ(sim.desktop.z_order(sim::Windows::Visible).front(), second) << "the newer splash is in front";

  advance_to(first_made + kLifetime);
  EXPECT_FALSE(sim.desktop.window_exists(first));
  EXPECT_TRUE(sim.desktop.window(second).visible());
  advance_to(second_made + kLifetime - 1);
  EXPECT_TRUE(sim.desktop.window_exists(second));
  advance_to(second_made + kLifetime);
  EXPECT_FALSE(sim.desktop.window_exists(second));
}

TEST_F(SplashClose, AKeyThatGivesACharacterClosesItOthersDoNot) {
  struct Row {
    const char* what;
    std::function<void(sim::Desktop&)> press;
    bool closes;
  };
  const Row rows[] = {
      {"Shift", [](sim::Desktop& d) { d.key_down(sim::VK_SHIFT); }, false},
      {"an arrow", [](sim::Desktop& d) { d.key_down(0x25 /* VK_LEFT */); }, false},
      {"Ctrl", [](sim::Desktop& d) { d.key_down(sim::VK_CONTROL); }, false},
      {"a letter", [](sim::Desktop& d) { d.key_char('a'); }, true},
      {"the space bar", [](sim::Desktop& d) { d.key_char(' '); }, true},
      {"Escape", [](sim::Desktop& d) { d.key_char('\x1B'); }, true},
      {"Enter", [](sim::Desktop& d) { d.key_char('\r'); }, true},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.what);
    const plat::HWND splash = show_new();
    ASSERT_EQ(sim.desktop.GetForegroundWindow(), splash) << "the splash has the keyboard";
    row.press(sim.desktop);
    sim.desktop.advance(10);
    EXPECT_EQ(!sim.desktop.window_exists(splash), row.closes);
    // Clear the stage for the next row.
    if (TFormSplash* left = form_of(splash)) left->close();
    sim.desktop.advance(10);
    ASSERT_FALSE(sim.desktop.window_exists(splash));
  }
}

// Requests that come after the first close but before the release
// message has been handled: the timer is freed once and one release is
// queued, so nothing is left to run on a form that is already gone.
TEST_F(SplashClose, CloseRequestsBeforeTheFormIsGoneFreeItOnce) {
  struct Row {
    const char* what;
    std::function<void(TFormSplash&)> requests;
  };
  const Row rows[] = {
      {"close twice", [](TFormSplash& s) { s.close(); s.close(); }},
      {"a key after the close",
       [](TFormSplash& s) {
         s.close();
         char key = 'a';
         s.FormKeyPress(s, key);
       }},
      {"the timer after a key",
       [](TFormSplash& s) {
         char key = 'q';
         s.FormKeyPress(s, key);
         s.TimerSplashTimer(s);
       }},
      {"three requests", [](TFormSplash& s) { s.close(); s.FormClick(s); s.close(); }},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.what);
    const plat::HWND splash = show_new();
    TFormSplash* form = form_of(splash);
    ASSERT_NE(form, nullptr);
    ASSERT_NE(form->TimerSplash, nullptr);
    const std::string timer = newest_splash_timer();
    ASSERT_FALSE(timer.empty());
    sim.desktop.log().clear();
    row.requests(*form);
    EXPECT_EQ(form->TimerSplash, nullptr);
    sim.desktop.advance(10);
    EXPECT_FALSE(sim.desktop.window_exists(splash));
    EXPECT_EQ(count_starting("PostMessageA Application 0x00000003 "), 1u) << "releases queued";
    EXPECT_EQ(count_starting("DestroyWindow FormSplash"), 1u);
    const auto& log = sim.desktop.events();
    EXPECT_EQ(std::count(log.begin(), log.end(), "KillTimer Application " + timer), 1) << "the splash's timer is stopped once";
    EXPECT_EQ(sim.app->forms().size(), 1u);
  }
}

}  // namespace
