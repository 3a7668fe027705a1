// The browser frame's location bar as a person sees it: a black band, 33
// pixels high, along the screen's bottom edge while the pointer is on the
// bottom rows, with a white arrow in a white circle at each end of its
// left part (back at x 8, forward at x 656) and the address in white
// right of the back arrow. Under Wine the page above it is blank.
#pragma once

#include "driver/geometry.h"
#include "driver/screenshot.h"

namespace e2e::location_bar {

inline constexpr int kHeight = 33;
inline constexpr int kArrow = 32;
inline constexpr int kBackLeft = 8;
inline constexpr int kForwardLeft = 656;

inline Rect back_arrow(ScreenSize size) { return {kBackLeft, size.height - kHeight, kArrow, kArrow}; }
inline Rect forward_arrow(ScreenSize size) { return {kForwardLeft, size.height - kHeight, kArrow, kArrow}; }
// Where the address is written: right of the back arrow, from the bar's
// eighth row down, up to the forward arrow (a long one runs on beneath it).
inline Rect address(ScreenSize size) {
  return {kBackLeft + kArrow + 4, size.height - kHeight + 6, kForwardLeft - kBackLeft - kArrow - 8, kHeight - 6};
}

// The bar is up: black with a white arrow at each arrow's place, and black
// above the address and right of the forward arrow.
bool shown(const Screenshot& shot, ScreenSize size);

// No black band along the bottom edge any more (what the control shows
// there instead is its own business: white under Wine).
bool gone(const Screenshot& shot, ScreenSize size);

}  // namespace e2e::location_bar
