// The largest picture the decoders accept. A header's claimed size is
// checked against these before any pixel memory is allocated, so a
// damaged or hostile file cannot make the program reserve gigabytes.
// 16384 pixels covers any screen the program draws on several times over;
// 64 Mpixels (256 MiB decoded) bounds the memory of a single picture.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace image {

inline constexpr std::int64_t max_picture_side = 16384;
inline constexpr std::int64_t max_picture_pixels = std::int64_t{64} * 1024 * 1024;

// Nothing when a picture of this size may be decoded, otherwise the
// message "Picture is too large (W x H)".
std::optional<std::string> check_picture_size(std::int64_t width, std::int64_t height);

}  // namespace image
