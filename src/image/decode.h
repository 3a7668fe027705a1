// Picture decoders of the toolkit, namespace image. Each turns the
// bytes of one file into a plat::Image (0xAARRGGBB words, rows top-down,
// straight alpha, opaque where the file has no alpha) or into the
// decoder's own message. Malformed input of any kind yields a message:
// the decoders never read outside the span and refuse a picture whose
// header claims more than picture_limits.h allows before allocating it.
#pragma once

#include <cstdint>
#include <expected>
#include <span>
#include <string>

#include "platform/image.h"

namespace image {

using DecodeResult = std::expected<plat::Image, std::string>;

// Windows bitmap files ("BM"): core, info, V4 and V5 headers; 1, 4, 8, 16,
// 24 and 32 bits per pixel; uncompressed or bit-field layouts, either row
// order. Run-length compressed files are refused.
DecodeResult decode_bmp(std::span<const std::uint8_t> data);

// PNG files of every colour type, bit depth and interlace; an alpha
// channel or a tRNS colour becomes per-pixel alpha.
DecodeResult decode_png(std::span<const std::uint8_t> data);

// Baseline and progressive JPEG files, grey, colour or CMYK. Truncated or
// damaged entropy data fails instead of giving a partly grey picture.
DecodeResult decode_jpeg(std::span<const std::uint8_t> data);

enum class PictureKind { Unknown, Bitmap, Png, Jpeg };

// The kind of picture that the first bytes announce.
PictureKind sniff_picture(std::span<const std::uint8_t> data);

// Decodes a bitmap, PNG or JPEG file, chosen by its signature, for picture
// properties whose kind is given by their content rather than a name.
DecodeResult decode_picture(std::span<const std::uint8_t> data);

}  // namespace image
