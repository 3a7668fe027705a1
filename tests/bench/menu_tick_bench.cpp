// One pointer-watch tick of the icon bar on the simulated desktop, with
// the call record off: the handler alone, in the two states it spends the
// program's life in (bar out with the pointer elsewhere, bar in with the
// pointer on the edge), and one whole 25 ms period of the message loop
// while the bar is out, the slide-out timer's switch on and off included.
#include <benchmark/benchmark.h>

#include "support/menu_fixture.h"

namespace {

using menu_test::BarDesk;

void settle(BarDesk& d, bool bar_in) {
  d.desktop.log().set_enabled(false);
  d.pointer_at(d.width() / 2);
  d.tick(10);
  if (bar_in) {
    d.pointer_at(d.width() - 1);
    d.tick(16);
  }
}

void BM_PointerWatchTick(benchmark::State& state) {
  BarDesk d;
  const bool bar_in = state.range(0) != 0;
  settle(d, bar_in);
  TfrmMenu& bar = d.bar();
  for (auto _ : state) {
    bar.tmrMenuTimer(*bar.tmrMenu);
    benchmark::DoNotOptimize(bar.left());
  }
}
BENCHMARK(BM_PointerWatchTick)->ArgName("bar_in")->Arg(0)->Arg(1)->Unit(benchmark::kNanosecond);

void BM_HiddenPeriodThroughTheLoop(benchmark::State& state) {
  BarDesk d;
  settle(d, false);
  for (auto _ : state) d.tick();
}
BENCHMARK(BM_HiddenPeriodThroughTheLoop)->Unit(benchmark::kNanosecond);

}  // namespace
