// Separable fixed-point resampling. The horizontal pass turns each source
// row into alpha-weighted channels (c * a, 0..65025) held in 16 bits; the
// vertical pass accumulates rows of those in 32 bits, a loop the compiler
// vectorises. Weights are 14-bit fractions that sum exactly to one, so a
// flat area stays exactly flat and a 1:1 axis is an exact copy.
#include "ui/image/scale.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <memory>
#include <vector>

#include "ui/image/picture_limits.h"

namespace ui::image {
namespace {

constexpr int weight_bits = 14;
constexpr std::uint32_t weight_one = 1u << weight_bits;
constexpr std::uint32_t full_alpha = 255u * 255u;  // an opaque pixel's alpha term

// For each output position along one axis: the first source index and
// its weights (count_of taps, padded with zeros to the widest).
struct Axis {
  std::vector<int> first;
  std::vector<std::uint16_t> weights;
  int taps = 0;
};

Axis make_axis(int src, int dst) {
  const double ratio = static_cast<double>(src) / dst;
  std::vector<std::vector<double>> raw(dst);
  Axis axis;
  axis.first.resize(dst);
  for (int i = 0; i < dst; ++i) {
    if (ratio > 1.0) {
      const double lo = i * ratio, hi = std::min<double>((i + 1) * ratio, src);
      const int k0 = static_cast<int>(lo);
      axis.first[i] = k0;
      for (int k = k0; k < src && k < hi; ++k)
        raw[i].push_back((std::min<double>(hi, k + 1) - std::max<double>(lo, k)) / ratio);
    } else {
      const double centre = std::clamp((i + 0.5) * ratio - 0.5, 0.0, static_cast<double>(src - 1));
      const int k0 = std::min(static_cast<int>(centre), src - 1);
      const double f = centre - k0;
      axis.first[i] = k0;
      raw[i] = {1.0 - f};
      if (k0 + 1 < src) raw[i].push_back(f);
    }
    axis.taps = std::max<int>(axis.taps, static_cast<int>(raw[i].size()));
  }
  axis.weights.assign(static_cast<std::size_t>(dst) * axis.taps, 0);
  for (int i = 0; i < dst; ++i) {
    std::uint16_t* w = axis.weights.data() + static_cast<std::size_t>(i) * axis.taps;
    std::uint32_t sum = 0;
    std::size_t largest = 0;
    for (std::size_t t = 0; t < raw[i].size(); ++t) {
      w[t] = static_cast<std::uint16_t>(std::lround(raw[i][t] * weight_one));
      sum += w[t];
      if (w[t] > w[largest]) largest = t;
    }
    w[largest] = static_cast<std::uint16_t>(w[largest] + weight_one - sum);
    // Padding taps must still index inside the source: shift the window left.
    const int overflow = axis.first[i] + axis.taps - src;
    if (overflow > 0) {
      std::copy_backward(w, w + axis.taps - overflow, w + axis.taps);
      std::fill(w, w + overflow, 0);
      axis.first[i] -= overflow;
    }
  }
  return axis;
}

// A fixed tap count (the usual 1 to 4) lets the compiler unroll the taps;
// 0 means the axis's own count. Measured (callgrind, 1920x1080 to 1366x768):
// about a quarter fewer instructions for the whole stretch.
template <int fixed_taps>
void resample_row(const std::uint16_t* weighted, const Axis& axis, std::uint16_t* dst) {
  const int taps = fixed_taps ? fixed_taps : axis.taps;
  const std::size_t out_w = axis.first.size();
  for (std::size_t i = 0; i < out_w; ++i) {
    const std::uint16_t* in = weighted + 4 * static_cast<std::size_t>(axis.first[i]);
    const std::uint16_t* w = axis.weights.data() + i * taps;
    std::uint32_t acc[4] = {weight_one / 2, weight_one / 2, weight_one / 2, weight_one / 2};
    for (int t = 0; t < taps; ++t, in += 4)
      for (int c = 0; c < 4; ++c) acc[c] += std::uint32_t{w[t]} * in[c];
    for (int c = 0; c < 4; ++c) dst[4 * i + c] = static_cast<std::uint16_t>(acc[c] >> weight_bits);
  }
}

// One source row to alpha-weighted channels (b, g, r, a order), resampled
// horizontally into dst (4 values per output pixel).
void horizontal(const std::uint32_t* row, int src_w, const Axis& axis, std::vector<std::uint16_t>& weighted,
                std::uint16_t* dst) {
  for (int x = 0; x < src_w; ++x) {
    const std::uint32_t p = row[x];
    const std::uint32_t a = p >> 24;
    weighted[4 * x + 0] = static_cast<std::uint16_t>((p & 0xFF) * a);
    weighted[4 * x + 1] = static_cast<std::uint16_t>((p >> 8 & 0xFF) * a);
    weighted[4 * x + 2] = static_cast<std::uint16_t>((p >> 16 & 0xFF) * a);
    weighted[4 * x + 3] = static_cast<std::uint16_t>(a * 255);
  }
  switch (axis.taps) {
    case 1: return resample_row<1>(weighted.data(), axis, dst);
    case 2: return resample_row<2>(weighted.data(), axis, dst);
    case 3: return resample_row<3>(weighted.data(), axis, dst);
    case 4: return resample_row<4>(weighted.data(), axis, dst);
    default: return resample_row<0>(weighted.data(), axis, dst);
  }
}

std::uint32_t to_pixel(const std::uint32_t* acc) {
  constexpr std::uint32_t full = full_alpha << weight_bits;
  const std::uint32_t a = acc[3];
  if (a == 0) return 0;
  if (a >= full) {
    auto c = [&](int i) { return std::min<std::uint32_t>((acc[i] + full / 510) / (full / 255), 255); };
    return plat::argb(0xFF, c(2), c(1), c(0));
  }
  const float inv = 255.0f / static_cast<float>(a);
  auto c = [&](int i) { return std::min<std::uint32_t>(static_cast<std::uint32_t>(acc[i] * inv + 0.5f), 255); };
  const auto alpha = static_cast<std::uint32_t>((std::uint64_t{a} * 255 + full / 2) / full);
  return plat::argb(static_cast<std::uint8_t>(alpha), c(2), c(1), c(0));
}

}  // namespace

plat::Image scale_image(const plat::Image& src, int width, int height) {
  if (width <= 0 || height <= 0 || check_picture_size(width, height)) return {};
  if (src.empty() || src.pixels.size() < static_cast<std::size_t>(src.width) * src.height)
    return plat::Image::blank(width, height);
  if (width == src.width && height == src.height) {
    plat::Image copy = plat::Image::blank(width, height);
    copy.pixels = src.pixels;
    return copy;
  }

  const Axis across = make_axis(src.width, width);
  const Axis down = make_axis(src.height, height);
  const std::size_t out_row = static_cast<std::size_t>(width) * 4;
  // Every element is written before it is read, so skip the zero fill.
  const auto middle = std::make_unique_for_overwrite<std::uint16_t[]>(out_row * src.height);
  std::vector<std::uint16_t> weighted(static_cast<std::size_t>(src.width) * 4);
  for (int y = 0; y < src.height; ++y)
    horizontal(src.pixels.data() + static_cast<std::size_t>(y) * src.width, src.width, across, weighted,
               middle.get() + y * out_row);

  plat::Image out = plat::Image::blank(width, height);
  std::vector<std::uint32_t> acc(out_row);
  for (int y = 0; y < height; ++y) {
    std::fill(acc.begin(), acc.end(), 0);
    const std::uint16_t* w = down.weights.data() + static_cast<std::size_t>(y) * down.taps;
    for (int t = 0; t < down.taps; ++t) {
      if (w[t] == 0) continue;
      const std::uint16_t* in = middle.get() + static_cast<std::size_t>(down.first[y] + t) * out_row;
      const std::uint32_t weight = w[t];
      for (std::size_t i = 0; i < out_row; ++i) acc[i] += weight * in[i];
    }
    std::uint32_t* dst = out.pixels.data() + static_cast<std::size_t>(y) * width;
    for (int x = 0; x < width; ++x) dst[x] = to_pixel(acc.data() + 4 * x);
  }
  return out;
}

}  // namespace ui::image
