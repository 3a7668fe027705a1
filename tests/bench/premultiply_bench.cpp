// Premultiplying the About picture (389 x 316) with its product table,
// against a multiply and a divide per channel, and against copying the
// same bytes, the floor any pass over them pays.
#include <benchmark/benchmark.h>

#include <cstring>
#include <fstream>
#include <iterator>
#include <vector>

#include "forms/Splash/premultiply.h"
#include "image/decode.h"

namespace {

const plat::Image& splash_picture() {
  static const plat::Image picture = [] {
    std::ifstream in(SLATEBAR_SOURCE_DIR "/resources/pictures/splash.png", std::ios::binary);
    const std::vector<std::uint8_t> bytes{std::istreambuf_iterator<char>(in), {}};
    auto decoded = image::decode_picture(bytes);
    return decoded ? std::move(*decoded) : plat::Image::blank(389, 316, 0x80FFFFFF);
  }();
  return picture;
}

void naive_premultiply(plat::Image& image) {
  for (std::uint32_t& px : image.pixels) {
    const unsigned a = px >> 24;
    px = (px & 0xFF000000u) | ((((px >> 16) & 0xFF) * a / 255) << 16) | ((((px >> 8) & 0xFF) * a / 255) << 8) |
         ((px & 0xFF) * a / 255);
  }
}

// Each pass starts again from the straight picture; the reset is not timed.
template <class Pass>
void run(benchmark::State& state, Pass pass) {
  const plat::Image& source = splash_picture();
  plat::Image work = source;
  for (auto _ : state) {
    state.PauseTiming();
    std::memcpy(work.pixels.data(), source.pixels.data(), source.pixels.size() * 4);
    state.ResumeTiming();
    pass(work);
    benchmark::DoNotOptimize(work.pixels.data());
    benchmark::ClobberMemory();
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * source.pixels.size() * 4));
}

void BM_PremultiplyAlpha(benchmark::State& state) { run(state, [](plat::Image& img) { Splash::PremultiplyAlpha(img); }); }

void BM_NaiveMultiplyDivide(benchmark::State& state) { run(state, naive_premultiply); }

void BM_PlainCopy(benchmark::State& state) {
  const plat::Image& source = splash_picture();
  std::vector<std::uint32_t> target(source.pixels.size());
  run(state, [&](plat::Image& img) { std::memcpy(target.data(), img.pixels.data(), img.pixels.size() * 4); });
}

BENCHMARK(BM_PremultiplyAlpha)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_NaiveMultiplyDivide)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_PlainCopy)->Unit(benchmark::kMicrosecond);

}  // namespace
