// Stretching a picture to a new size, namespace ui::image.
#pragma once

#include "platform/image.h"

namespace ui::image {

// A copy of src stretched to width x height. Each axis is resampled on its
// own: shrinking averages the source area that each new pixel covers,
// growing interpolates linearly between the nearest pixel centres. Colours
// are weighted by alpha, so transparent pixels lend no colour to their
// neighbours. A source without pixels gives a transparent picture; a size
// that is not positive, or exceeds picture_limits.h, gives an empty one.
plat::Image scale_image(const plat::Image& src, int width, int height);

}  // namespace ui::image
