// scale_image on the welcome background's case, 1920 x 1080 stretched to a
// 1366 x 768 screen, and grown to 2560 x 1440; opaque and with alpha.
#include <benchmark/benchmark.h>

#include "image/scale.h"

namespace {

plat::Image background(bool with_alpha) {
  plat::Image img = plat::Image::blank(1920, 1080);
  for (int y = 0; y < img.height; ++y)
    for (int x = 0; x < img.width; ++x) {
      const auto a = static_cast<std::uint8_t>(with_alpha ? (x ^ y) & 0xFF : 0xFF);
      img.at(x, y) = plat::argb(a, x & 0xFF, y & 0xFF, (x + y) & 0xFF);
    }
  return img;
}

void BM_ScaleImage(benchmark::State& state) {
  const plat::Image src = background(state.range(2) != 0);
  for (auto _ : state) {
    plat::Image out = image::scale_image(src, static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
    benchmark::DoNotOptimize(out.pixels.data());
  }
}

BENCHMARK(BM_ScaleImage)
    ->ArgNames({"width", "height", "alpha"})
    ->Args({1366, 768, 0})
    ->Args({1366, 768, 1})
    ->Args({2560, 1440, 0})
    ->Unit(benchmark::kMillisecond);

}  // namespace
