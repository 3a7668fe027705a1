#include "forms/Splash/premultiply.h"

#include <array>
#include <cstdint>

namespace Splash {

void PremultiplyAlpha(plat::Image& bitmap) {
  // 64 KiB, built per call: cheaper than a multiply and a divide for each
  // of the 370 000 channels of the About picture.
  std::array<std::array<std::uint8_t, 256>, 256> product;
  for (unsigned a = 0; a < 256; ++a) {
    for (unsigned c = 0; c < 256; ++c) product[a][c] = static_cast<std::uint8_t>(a * c / 255);
  }
  for (std::uint32_t& px : bitmap.pixels) {
    const auto& row = product[px >> 24];
    px = (px & 0xFF000000u) | (std::uint32_t{row[(px >> 16) & 0xFF]} << 16) |
         (std::uint32_t{row[(px >> 8) & 0xFF]} << 8) | row[px & 0xFF];
  }
  bitmap.touch();
}

}  // namespace Splash
