// Stretching a picture to a new size, namespace image.
#pragma once

#include <cstdint>
#include <vector>

#include "platform/image.h"
#include "platform/winapi.h"

namespace image {

// A copy of src stretched to width x height. Each axis is resampled on its
// own: shrinking averages the source area that each new pixel covers,
// growing interpolates linearly between the nearest pixel centres. Colours
// are weighted by alpha, so transparent pixels lend no colour to their
// neighbours. A source without pixels gives a transparent picture; a size
// that is not positive, or exceeds picture_limits.h, gives an empty one.
plat::Image scale_image(const plat::Image& src, int width, int height);

// For each position along one axis of the stretched picture: the first
// source index and its weights.
struct ResampleAxis {
  std::vector<int> first;
  std::vector<std::uint16_t> weights;  // `taps` per position, padded with zeros
  int taps = 0;
};

// A picture of src_width x src_height stretched to width x height, made a
// part at a time: any rectangle of it holds exactly the pixels that
// scale_image gives at that place, so a picture grown beyond its own size
// can be stretched where it is painted instead of being kept stretched.
class Stretch {
 public:
  Stretch(int src_width, int src_height, int width, int height);
  int src_width() const { return src_width_; }
  int src_height() const { return src_height_; }
  int width() const { return width_; }
  int height() const { return height_; }

  // The pixels of `part` of the stretched picture, cut to it, into `out`
  // (reusing its storage); `src` must be of the size this was made for.
  void part(const plat::Image& src, const plat::RECT& part, plat::Image& out) const;

 private:
  int src_width_, src_height_, width_, height_;
  ResampleAxis across_, down_;
};

}  // namespace image
