// One tick of every screen timer, and one full repaint of the lock and
// welcome screens at 1920 x 1080, on the simulated desktop with its call
// record off. The repaint goes to a canvas that draws nothing, so the
// figure is the toolkit's own paint path: walking the controls, measuring
// texts and fetching the pictures at their drawn size.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <memory>

#include "app/form_registry.h"
#include "forms/Logon/Logon.h"
#include "forms/appswitcher/appswitcher.h"
#include "forms/clock/clock.h"
#include "forms/framework/framework.h"
#include "forms/menu/menu.h"
#include "forms/welcome/welcome.h"
#include "platform/canvas.h"
#include "platform/sim/desktop.h"
#include "ui/application.h"
#include "ui/exe_folder.h"
#include "ui/timer.h"

namespace {

// The program on a simulated 1920 x 1080 desktop, made once for all the
// benchmarks of this file: creating it takes longer than all of them.
struct Program {
  sim::Desktop desktop;
  std::unique_ptr<ui::Application> app;
  Program() {
    desktop.set_screen_size(1920, 1080);
    desktop.install();
    const std::string folder = ui::folder_of(desktop.services().exe_path());
    for (const char* name : {"logon.jpg", "O.png", "Chat.png", "Mail.png"}) {
      desktop.files().load_host_file(folder + "pics\\" + name,
                                     std::filesystem::path(SLATEBAR_SOURCE_DIR) / "resources/pics" / name);
    }
    app = std::make_unique<ui::Application>();
    app->set_title("Slatebar");
    app::create_forms(*app);
    desktop.log().set_enabled(false);
  }
};

Program& program() {
  static Program p;
  return p;
}

class NullCanvas final : public plat::Canvas {
 public:
  explicit NullCanvas(plat::RECT paint) : paint_(paint) {}
  plat::RECT paint_rect() const override { return paint_; }
  void fill_rect(const plat::RECT& r, plat::COLORREF c) override { benchmark::DoNotOptimize(r.right + c); }
  void frame_rect(const plat::RECT& r, plat::COLORREF c) override { benchmark::DoNotOptimize(r.right + c); }
  void draw_image(const plat::Image& img, int x, int, const plat::RECT&) override {
    benchmark::DoNotOptimize(img.pixels.data() + x);
  }
  void draw_text(std::string_view line, const plat::Font&, plat::COLORREF, const plat::RECT&,
                 plat::TextAlign) override {
    benchmark::DoNotOptimize(line.data());
  }

 private:
  plat::RECT paint_;
};

// A disabled timer's tick returns at once, so the timer is switched on
// first; one that switches itself off is switched on again untimed.
void run_ticks(benchmark::State& state, ui::Timer& timer) {
  timer.set_enabled(true);
  for (auto _ : state) {
    timer.tick();
    if (!timer.enabled()) {
      state.PauseTiming();
      timer.set_enabled(true);
      state.ResumeTiming();
    }
  }
}

void BM_tick_tmrClock(benchmark::State& state) {
  program();
  run_ticks(state, *frmClock->tmrClock);
}
void BM_tick_tmrTiempo(benchmark::State& state) {
  program();
  run_ticks(state, *frmLogon->tmrTiempo);
}

void BM_tick_tmrMenu_pointer_away(benchmark::State& state) {
  program().desktop.move_pointer(960, 540);
  run_ticks(state, *frmMenu->tmrMenu);
}
void BM_tick_tmrMenu_pointer_on_edge(benchmark::State& state) {
  program().desktop.move_pointer(1919, 540);
  run_ticks(state, *frmMenu->tmrMenu);
  program().desktop.move_pointer(960, 540);
}
void BM_tick_tmrShowMenu(benchmark::State& state) {
  program();
  run_ticks(state, *frmMenu->tmrShowMenu);
}
void BM_tick_tmrHideMenu(benchmark::State& state) {
  program();
  run_ticks(state, *frmMenu->tmrHideMenu);
}

// The slide moves the screen up 50 pixels a tick; it is put back before
// it would close, outside the timed part.
void BM_tick_tmrClose(benchmark::State& state) {
  program();
  frmLogon->set_top(0);
  frmLogon->tmrClose->set_enabled(true);
  for (auto _ : state) {
    frmLogon->tmrClose->tick();
    if (frmLogon->top() < -900) {
      state.PauseTiming();
      frmLogon->set_top(0);
      state.ResumeTiming();
    }
  }
}

// Alternates its two steps: "Welcome" shown, then the screen closed.
void BM_tick_tmrAnimation(benchmark::State& state) {
  program();
  frmWelcome->tmrAnimation->set_enabled(true);
  for (auto _ : state) {
    frmWelcome->tmrAnimation->tick();
    if (!frmWelcome->tmrAnimation->enabled()) {
      state.PauseTiming();
      frmWelcome->lblWelcome->hide();
      frmWelcome->show();
      frmWelcome->tmrAnimation->set_enabled(true);
      state.ResumeTiming();
    }
  }
}

void BM_tick_tmrAppSwithcer(benchmark::State& state) {
  program().desktop.move_pointer(960, 540);
  run_ticks(state, *frmAppSwitcher->tmrAppSwithcer);
}
void BM_tick_tmrLocationBar(benchmark::State& state) {
  program().desktop.move_pointer(960, 540);
  run_ticks(state, *frmFrameWork->tmrLocationBar);
}

// What the form's paint handler does: its colour, then its controls.
void paint_form(ui::Form& form, plat::Canvas& canvas) {
  canvas.fill_rect({0, 0, form.client_width(), form.client_height()}, form.color());
  form.paint_children(canvas, 0, 0);
}
void repaint(benchmark::State& state, ui::Form& form) {
  NullCanvas canvas({0, 0, form.client_width(), form.client_height()});
  paint_form(form, canvas);  // the first paint scales the pictures to their size
  for (auto _ : state) paint_form(form, canvas);
  // No counters for the size: scripts/bench reads the CSV report, which
  // wants the same columns in every row.
  if (form.client_width() != 1920 || form.client_height() != 1080) state.SkipWithError("not 1920 x 1080");
}
void BM_repaint_lock_screen_1920x1080(benchmark::State& state) {
  program();
  repaint(state, *frmLogon);
}
void BM_repaint_welcome_screen_1920x1080(benchmark::State& state) {
  program();
  repaint(state, *frmWelcome);
}

}  // namespace

BENCHMARK(BM_tick_tmrMenu_pointer_away);
BENCHMARK(BM_tick_tmrMenu_pointer_on_edge);
BENCHMARK(BM_tick_tmrShowMenu);
BENCHMARK(BM_tick_tmrHideMenu);
BENCHMARK(BM_tick_tmrClock);
BENCHMARK(BM_tick_tmrTiempo);
BENCHMARK(BM_tick_tmrClose);
BENCHMARK(BM_tick_tmrAnimation);
BENCHMARK(BM_tick_tmrAppSwithcer);
BENCHMARK(BM_tick_tmrLocationBar);
BENCHMARK(BM_repaint_lock_screen_1920x1080);
BENCHMARK(BM_repaint_welcome_screen_1920x1080);
