// The one scale of the program. Designs and the places and sizes computed
// in code are made at 96 pixels per inch; a window shows them at the dpi of
// the monitor it is on, every value through this one function, so that the
// layout at any scale is the design's grown and nothing drifts apart by
// rounding one value one way and its neighbour another. Edges and hit
// tests compare screen pixels and do not come here.
#pragma once

#include "platform/mul_div.h"

namespace ui {

inline constexpr int kDesignDpi = 96;

using plat::mul_div;

// A length made at 96 pixels per inch, at `dpi`.
inline int scale(int value, int dpi) { return mul_div(value, dpi, kDesignDpi); }

}  // namespace ui
