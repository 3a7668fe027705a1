// GDI+ makes the splash's GDI bitmap on a transparent background, and
// what it writes there is colour already multiplied by alpha (measured:
// a white pixel of alpha 0x51 comes out as 0x51515151). The seam hands
// pictures out with straight alpha, as the simulated desktop does, and the
// splash multiplies them itself; multiplying GDI+'s bits a second time
// would darken every soft edge of the artwork. So the decoder turns them
// back first. Platform-neutral, so that host tests check it.
#pragma once

#include <algorithm>
#include <cstdint>
#include <span>

#include "platform/image.h"

namespace win32 {

// One premultiplied pixel as straight colour. Each channel is divided
// rounding up, so that (alpha × c) div 255, the splash's own product
// table, gives exactly the premultiplied channel back: nothing of what
// GDI+ made is lost on the way through.
constexpr std::uint32_t straight_from_premultiplied(std::uint32_t argb) {
  const unsigned a = plat::alpha_of(argb);
  if (a == 0) return 0;
  auto up = [a](unsigned p) { return static_cast<std::uint8_t>(std::min(255u, (p * 255 + a - 1) / a)); };
  return plat::argb(static_cast<std::uint8_t>(a), up(plat::red_of(argb)), up(plat::green_of(argb)),
                    up(plat::blue_of(argb)));
}

// Premultiplied data never has a channel above its alpha. A codec that
// handed out straight colour shows itself by one such pixel.
constexpr bool could_be_premultiplied(std::span<const std::uint32_t> pixels) {
  return std::all_of(pixels.begin(), pixels.end(), [](std::uint32_t px) {
    const std::uint8_t a = plat::alpha_of(px);
    return plat::red_of(px) <= a && plat::green_of(px) <= a && plat::blue_of(px) <= a;
  });
}

// In place: premultiplied pixels become straight; pixels that cannot be
// premultiplied are taken as straight already and left alone.
inline void to_straight_alpha(std::span<std::uint32_t> pixels) {
  if (!could_be_premultiplied(pixels)) return;
  for (std::uint32_t& px : pixels) px = straight_from_premultiplied(px);
}

}  // namespace win32
