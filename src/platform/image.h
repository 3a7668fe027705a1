// A decoded picture: 32-bit pixels, rows top-down, each pixel a
// little-endian 0xAARRGGBB word (bytes blue, green, red, alpha in memory,
// the DIB order), straight (not premultiplied) alpha unless a caller
// premultiplies it on purpose.
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

namespace plat {

struct Image {
  int width = 0;
  int height = 0;
  std::vector<std::uint32_t> pixels;  // width * height, row-major

  // Backends keep their drawable copy (a DIB section on Windows) here,
  // made on first draw; any change to the pixels must call touch().
  mutable std::shared_ptr<void> native;

  bool empty() const { return width <= 0 || height <= 0; }
  std::uint32_t at(int x, int y) const { return pixels[static_cast<std::size_t>(y) * width + x]; }
  std::uint32_t& at(int x, int y) { return pixels[static_cast<std::size_t>(y) * width + x]; }
  void touch() { native.reset(); }

  static Image blank(int w, int h, std::uint32_t argb = 0) {
    Image img;
    img.width = w;
    img.height = h;
    img.pixels.assign(static_cast<std::size_t>(w) * h, argb);
    return img;
  }
};

inline constexpr std::uint8_t alpha_of(std::uint32_t argb) { return argb >> 24; }
inline constexpr std::uint8_t red_of(std::uint32_t argb) { return (argb >> 16) & 0xFF; }
inline constexpr std::uint8_t green_of(std::uint32_t argb) { return (argb >> 8) & 0xFF; }
inline constexpr std::uint8_t blue_of(std::uint32_t argb) { return argb & 0xFF; }
inline constexpr std::uint32_t argb(std::uint8_t a, std::uint8_t r, std::uint8_t g, std::uint8_t b) {
  return (std::uint32_t{a} << 24) | (std::uint32_t{r} << 16) | (std::uint32_t{g} << 8) | b;
}

}  // namespace plat
