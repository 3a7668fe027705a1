#include "image/picture_limits.h"

namespace image {

std::optional<std::string> check_picture_size(std::int64_t width, std::int64_t height) {
  if (width <= max_picture_side && height <= max_picture_side && width * height <= max_picture_pixels)
    return std::nullopt;
  return "Picture is too large (" + std::to_string(width) + " x " + std::to_string(height) + ")";
}

}  // namespace image
