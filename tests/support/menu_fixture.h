// The icon bar and the clock panel on a simulated desktop, created as the
// program creates them (the bar first, so it is the main form), with the
// bar's window shown and the pointer watch about to tick. One tick is one period
// of the bar's 25 ms timers.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "app/CursorFix.h"
#include "forms/clock/clock.h"
#include "forms/menu/menu.h"
#include "platform/sim/desktop.h"
#include "ui/application.h"

namespace menu_test {

inline constexpr sim::Millis kTick = 25;

class BarDesk {
 public:
  // `prepare` sets up the desktop (frame metrics, local time) before the
  // forms exist.
  explicit BarDesk(int width = 1024, int height = 768, int pointer_x = 500,
                   const std::function<void(sim::Desktop&)>& prepare = {}) {
    desktop.set_screen_size(width, height);
    if (prepare) prepare(desktop);
    desktop.move_pointer(pointer_x, height / 2);
    desktop.install();
    app = std::make_unique<ui::Application>();
    CursorFix::replace_hand_cursor(app->screen());
    app->set_title("Slatebar");
    app->create_form(frmMenu);
    app->create_form(frmClock);
    // The bar's window as the message loop leaves it once the start-up
    // sequence has run: shown and active. (The sequence itself needs the
    // other screens and is not part of these tests.)
    plat::os().ShowWindow(frmMenu->handle(), plat::SW_SHOW);
  }
  ~BarDesk() {
    app.reset();
    frmMenu = nullptr;
    frmClock = nullptr;
  }
  BarDesk(const BarDesk&) = delete;
  BarDesk& operator=(const BarDesk&) = delete;

  TfrmMenu& bar() { return *frmMenu; }
  TfrmClock& clock() { return *frmClock; }
  int width() { return app->screen().width(); }

  void tick(int n = 1) { desktop.advance(kTick * static_cast<sim::Millis>(n)); }
  void pointer_at(int x) { desktop.move_pointer(x, desktop.pointer().y); }

  // The bar's left relative to the screen width, the icon lefts from top
  // to bottom (Search, Share, Start, Connect, Settings), whether the
  // clock panel's window is shown, and the fly-in and slide-out timers.
  std::string state() {
    auto rel = [&](int left) {
      int d = left - width();
      return d == 0 ? std::string("W") : (d > 0 ? "W+" : "W") + std::to_string(d);
    };
    TfrmMenu& b = bar();
    std::string s = "bar " + rel(b.left()) + " icons ";
    for (ui::Picture* icon : {b.imgSearch, b.imgShare, b.imgMenu, b.imgConnect, b.imgSettings}) {
      s += std::to_string(icon->left()) + (icon == b.imgSettings ? "" : ",");
    }
    s += desktop.window(clock().handle()).visible() ? " clock shown" : " clock hidden";
    s += b.tmrShowMenu->enabled() ? " fly on" : " fly off";
    s += b.tmrHideMenu->enabled() ? " out on" : " out off";
    return s;
  }

  // The state after each of `n` ticks.
  std::vector<std::string> run(int n) {
    std::vector<std::string> out;
    for (int i = 0; i < n; ++i) {
      tick();
      out.push_back(state());
    }
    return out;
  }

  sim::Desktop desktop;
  std::unique_ptr<ui::Application> app;
};

}  // namespace menu_test
