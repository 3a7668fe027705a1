// Premultiplying a 32-bit picture by its own alpha, as per-pixel-alpha
// layered windows require.
#pragma once

#include "platform/image.h"

namespace Splash {

// In place: each pixel's blue, green and red become (alpha × c) div 255,
// through a 256 × 256 product table rather than a multiply and a divide
// per channel; alpha stays.
void PremultiplyAlpha(plat::Image& bitmap);

}  // namespace Splash
