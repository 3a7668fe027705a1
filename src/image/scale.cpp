// Separable fixed-point resampling. The horizontal pass turns each source
// row into alpha-weighted channels (c * a, 0..65025) held in 16 bits; the
// vertical pass accumulates rows of those in 32 bits, a loop the compiler
// vectorises. Weights are 14-bit fractions that sum exactly to one, so a
// flat area stays exactly flat and a 1:1 axis is an exact copy.
#include "image/scale.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <memory>
#include <vector>

#include "image/picture_limits.h"

namespace image {
namespace {

constexpr int weight_bits = 14;
constexpr std::uint32_t weight_one = 1u << weight_bits;
constexpr std::uint32_t full_alpha = 255u * 255u;  // an opaque pixel's alpha term

using Axis = ResampleAxis;

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
// Output positions [from, to) of one row; `weighted` starts at source
// column `origin`.
template <int fixed_taps>
void resample_row(const std::uint16_t* weighted, int origin, const Axis& axis, int from, int to,
                  std::uint16_t* dst) {
  const int taps = fixed_taps ? fixed_taps : axis.taps;
  for (int i = from; i < to; ++i, dst += 4) {
    const std::uint16_t* in = weighted + 4 * static_cast<std::size_t>(axis.first[i] - origin);
    const std::uint16_t* w = axis.weights.data() + static_cast<std::size_t>(i) * taps;
    std::uint32_t acc[4] = {weight_one / 2, weight_one / 2, weight_one / 2, weight_one / 2};
    for (int t = 0; t < taps; ++t, in += 4)
      for (int c = 0; c < 4; ++c) acc[c] += std::uint32_t{w[t]} * in[c];
    for (int c = 0; c < 4; ++c) dst[c] = static_cast<std::uint16_t>(acc[c] >> weight_bits);
  }
}

// Source columns [src_from, src_to) of one row to alpha-weighted channels
// (b, g, r, a order), resampled horizontally into dst (4 values per output
// pixel of [from, to)).
void horizontal(const std::uint32_t* row, int src_from, int src_to, const Axis& axis, int from, int to,
                std::vector<std::uint16_t>& weighted, std::uint16_t* dst) {
  for (int x = src_from; x < src_to; ++x) {
    const std::uint32_t p = row[x];
    const std::uint32_t a = p >> 24;
    std::uint16_t* w = weighted.data() + 4 * static_cast<std::size_t>(x - src_from);
    w[0] = static_cast<std::uint16_t>((p & 0xFF) * a);
    w[1] = static_cast<std::uint16_t>((p >> 8 & 0xFF) * a);
    w[2] = static_cast<std::uint16_t>((p >> 16 & 0xFF) * a);
    w[3] = static_cast<std::uint16_t>(a * 255);
  }
  switch (axis.taps) {
    case 1: return resample_row<1>(weighted.data(), src_from, axis, from, to, dst);
    case 2: return resample_row<2>(weighted.data(), src_from, axis, from, to, dst);
    case 3: return resample_row<3>(weighted.data(), src_from, axis, from, to, dst);
    case 4: return resample_row<4>(weighted.data(), src_from, axis, from, to, dst);
    default: return resample_row<0>(weighted.data(), src_from, axis, from, to, dst);
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

Stretch::Stretch(int src_width, int src_height, int width, int height)
    : src_width_(src_width),
      src_height_(src_height),
      width_(width),
      height_(height),
      across_(make_axis(src_width, width)),
      down_(make_axis(src_height, height)) {}

void Stretch::part(const plat::Image& src, const plat::RECT& part, plat::Image& out) const {
  const int x0 = std::max<int>(part.left, 0), x1 = std::min<int>(part.right, width_);
  const int y0 = std::max<int>(part.top, 0), y1 = std::min<int>(part.bottom, height_);
  if (x0 >= x1 || y0 >= y1 || src.width != src_width_ || src.height != src_height_ ||
      src.pixels.size() < static_cast<std::size_t>(src.width) * src.height) {
    out.width = out.height = 0;
    out.pixels.clear();
    return;
  }
  // Only the source rows and columns that the part's pixels are made from.
  const int rows_from = down_.first[y0], rows_to = down_.first[y1 - 1] + down_.taps;
  const int cols_from = across_.first[x0], cols_to = across_.first[x1 - 1] + across_.taps;
  const std::size_t out_row = static_cast<std::size_t>(x1 - x0) * 4;
  // Every element is written before it is read, so skip the zero fill.
  const auto middle = std::make_unique_for_overwrite<std::uint16_t[]>(out_row * (rows_to - rows_from));
  std::vector<std::uint16_t> weighted(static_cast<std::size_t>(cols_to - cols_from) * 4);
  for (int y = rows_from; y < rows_to; ++y) {
    horizontal(src.pixels.data() + static_cast<std::size_t>(y) * src.width, cols_from, cols_to, across_, x0, x1,
               weighted, middle.get() + (y - rows_from) * out_row);
  }

  out.width = x1 - x0;
  out.height = y1 - y0;
  out.pixels.resize(static_cast<std::size_t>(out.width) * out.height);
  std::vector<std::uint32_t> acc(out_row);
  for (int y = y0; y < y1; ++y) {
    std::fill(acc.begin(), acc.end(), 0);
    const std::uint16_t* w = down_.weights.data() + static_cast<std::size_t>(y) * down_.taps;
    for (int t = 0; t < down_.taps; ++t) {
      if (w[t] == 0) continue;
      const std::uint16_t* in = middle.get() + static_cast<std::size_t>(down_.first[y] + t - rows_from) * out_row;
      const std::uint32_t weight = w[t];
      for (std::size_t i = 0; i < out_row; ++i) acc[i] += weight * in[i];
    }
    std::uint32_t* dst = out.pixels.data() + static_cast<std::size_t>(y - y0) * out.width;
    for (int x = 0; x < out.width; ++x) dst[x] = to_pixel(acc.data() + 4 * x);
  }
}

plat::Image scale_image(const plat::Image& src, int width, int height) {
  if (width <= 0 || height <= 0 || check_picture_size(width, height)) return {};
  if (src.empty() || src.pixels.size() < static_cast<std::size_t>(src.width) * src.height)
    return plat::Image::blank(width, height);
  if (width == src.width && height == src.height) {
    plat::Image copy = plat::Image::blank(width, height);
    copy.pixels = src.pixels;
    return copy;
  }
  plat::Image out;
  Stretch(src.width, src.height, width, height).part(src, {0, 0, width, height}, out);
  return out;
}

}  // namespace image
