// Small picture files built in memory for the decoder tests, so that
// almost no binary test data needs to be kept in the repository.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "bmp_writer/bmp_writer.h"

namespace image_test {

using Bytes = std::vector<std::uint8_t>;

// A bitmap file written field by field.
using bmp_writer::BmpFile;

// A PNG file through libpng's full writer, which (unlike the simplified
// one) can write tRNS for grey and RGB, 16-bit samples and interlacing.
struct PngFile {
  int width = 0;
  int height = 0;
  int bit_depth = 8;
  int colour_type = 0;  // PNG_COLOR_TYPE_*
  bool interlaced = false;
  std::vector<std::uint32_t> palette{};    // 0x00RRGGBB
  std::vector<std::uint8_t> palette_alpha{};
  std::optional<std::uint16_t> trns_grey{};
  std::vector<Bytes> rows{};  // packed samples, big-endian for 16 bits
  Bytes bytes() const;
};

// ManyScans is progressive with a scan for every bit of every coefficient
// of every component: valid, but more scans than any real file has.
enum class JpegMode { Baseline, Progressive, ManyScans };

// A JPEG of interleaved samples with 1 (grey), 3 (RGB) or 4 (CMYK, stored
// inverted with an Adobe marker as Adobe's writers do) components.
Bytes make_jpeg(int width, int height, int components, const Bytes& samples, JpegMode mode, int quality = 95);

}  // namespace image_test
