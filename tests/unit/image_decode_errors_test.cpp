#include <gtest/gtest.h>
#include <png.h>
#include <zlib.h>

#include <functional>

#include "image_test_files.h"
#include "image/decode.h"

namespace {

using image_test::Bytes;
using Decoder = image::DecodeResult (*)(std::span<const std::uint8_t>);

Bytes cut(Bytes b, std::size_t size) {
  b.resize(size);
  return b;
}

Bytes patched(Bytes b, std::size_t at, std::initializer_list<std::uint8_t> values) {
  std::copy(values.begin(), values.end(), b.begin() + at);
  return b;
}

Bytes be32(std::uint32_t v) { return {std::uint8_t(v >> 24), std::uint8_t(v >> 16), std::uint8_t(v >> 8), std::uint8_t(v)}; }

Bytes bmp8() {
  return image_test::BmpFile{.width = 4, .height = 2, .bits = 8, .colours_used = 2, .palette = {0, 0xFFFFFF},
                             .rows = {{0, 1, 0, 1}, {1, 1, 0, 0}}}
      .bytes();
}

// 14-byte file header + 40-byte info header + 8-byte table; pixels at 62.
Bytes bmp_with(std::size_t at, std::initializer_list<std::uint8_t> values) { return patched(bmp8(), at, values); }

Bytes png_rgb() {
  return image_test::PngFile{.width = 4, .height = 4, .colour_type = PNG_COLOR_TYPE_RGB,
                             .rows = std::vector<Bytes>(4, Bytes(12, 0x5A))}
      .bytes();
}

// The IHDR of png_rgb() with another size and a matching CRC.
Bytes png_sized(std::uint32_t width, std::uint32_t height) {
  Bytes b = png_rgb();
  const Bytes w = be32(width), h = be32(height);
  std::copy(w.begin(), w.end(), b.begin() + 16);
  std::copy(h.begin(), h.end(), b.begin() + 20);
  const Bytes crc = be32(static_cast<std::uint32_t>(crc32(0, b.data() + 12, 17)));
  std::copy(crc.begin(), crc.end(), b.begin() + 29);
  return b;
}

std::size_t find_marker(const Bytes& b, std::uint8_t marker) {
  for (std::size_t i = 2; i + 1 < b.size(); ++i)
    if (b[i] == 0xFF && b[i + 1] == marker) return i;
  return 0;
}

// Busy samples, so that the entropy-coded data of the last scan is long
// enough to be cut into.
Bytes jpeg(image_test::JpegMode mode) {
  Bytes samples(16 * 16 * 3);
  for (std::size_t i = 0; i < samples.size(); ++i) samples[i] = static_cast<std::uint8_t>(i * 37 % 251);
  return image_test::make_jpeg(16, 16, 3, samples, mode);
}

Bytes jpeg_sof(std::size_t field, std::initializer_list<std::uint8_t> values) {
  Bytes b = jpeg(image_test::JpegMode::Baseline);
  return patched(b, find_marker(b, 0xC0) + field, values);
}

struct BadCase {
  const char* name;
  Decoder decode;
  Bytes file;
  std::string message;
};

TEST(PictureDecoders, RefuseBadFilesWithTheirMessage) {
  using namespace image;
  const Bytes baseline = jpeg(image_test::JpegMode::Baseline);
  const Bytes progressive = jpeg(image_test::JpegMode::Progressive);
  const Bytes png = png_rgb();
  const BadCase cases[] = {
      {"bitmap: empty", decode_bmp, {}, "Bitmap image is not valid"},
      {"bitmap: one byte", decode_bmp, {'B'}, "Bitmap image is not valid"},
      {"bitmap: wrong signature", decode_bmp, bmp_with(0, {'M', 'B'}), "Bitmap image is not valid"},
      {"bitmap: PNG bytes", decode_bmp, png, "Bitmap image is not valid"},
      {"bitmap: cut in the file header", decode_bmp, cut(bmp8(), 10), "Bitmap header is truncated"},
      {"bitmap: cut in the info header", decode_bmp, cut(bmp8(), 30), "Bitmap header is truncated"},
      {"bitmap: cut in the colour table", decode_bmp, cut(bmp8(), 58), "Bitmap colour table is truncated"},
      {"bitmap: cut in the pixels", decode_bmp, cut(bmp8(), 66), "Bitmap pixel data is truncated"},
      {"bitmap: pixel offset past the end", decode_bmp, bmp_with(10, {0xFF, 0xFF, 0, 0}), "Bitmap pixel data is truncated"},
      {"bitmap: unknown header size", decode_bmp, bmp_with(14, {99}), "Bitmap header is not supported (size 99)"},
      {"bitmap: zero width", decode_bmp, bmp_with(18, {0}), "Bitmap size is not valid (0 x 2)"},
      {"bitmap: 100000 x 100000", decode_bmp, bmp_with(18, {0xA0, 0x86, 1, 0, 0xA0, 0x86, 1, 0}),
       "Picture is too large (100000 x 100000)"},
      {"bitmap: more pixels than the file holds", decode_bmp, bmp_with(18, {0x10, 0x27, 0, 0, 0x88, 0x13, 0, 0}),
       "Bitmap pixel data is truncated"},
      {"bitmap: 7 bits per pixel", decode_bmp, bmp_with(28, {7}), "Bitmap bit depth is not supported (7)"},
      {"bitmap: run-length compressed", decode_bmp, bmp_with(30, {1}), "Bitmap run-length compression is not supported"},
      {"bitmap: bit fields on 8 bits", decode_bmp, bmp_with(30, {3}), "Bitmap bit fields need 16 or 32 bits per pixel"},
      {"bitmap: bit fields cut off", decode_bmp, cut(bmp_with(28, {32, 0, 3}), 60), "Bitmap bit fields are truncated"},
      {"bitmap: unknown compression", decode_bmp, bmp_with(30, {9}), "Bitmap compression is not supported (9)"},
      {"PNG: empty", decode_png, {}, "PNG image is empty"},
      {"PNG: one byte", decode_png, {0x89}, "read beyond end of data"},
      {"PNG: wrong signature", decode_png, patched(png, 1, {'X'}), "Not a PNG file"},
      {"PNG: cut in IHDR", decode_png, cut(png, 20), "read beyond end of data"},
      {"PNG: cut in IDAT", decode_png, cut(png, png.size() - 20), "read beyond end of data"},
      {"PNG: damaged IDAT", decode_png, patched(png, png.size() - 20, {0xFF, 0xFF}), "IDAT: incorrect data check"},
      {"PNG: 100000 x 100000", decode_png, png_sized(100000, 100000), "Picture is too large (100000 x 100000)"},
      {"JPEG: empty", decode_jpeg, {}, "Premature end of JPEG file"},
      {"JPEG: one byte", decode_jpeg, {0xFF}, "Premature end of JPEG file"},
      {"JPEG: wrong signature", decode_jpeg, patched(baseline, 1, {0xD9}), "Not a JPEG file: starts with 0xff 0xd9"},
      {"JPEG: cut in the tables", decode_jpeg, cut(baseline, 100), "Premature end of JPEG file"},
      {"JPEG: cut in baseline data", decode_jpeg, cut(baseline, baseline.size() - 40), "Premature end of JPEG file"},
      {"JPEG: cut in progressive data", decode_jpeg, cut(progressive, progressive.size() * 3 / 4), "Premature end of JPEG file"},
      {"JPEG: 12-bit precision", decode_jpeg, jpeg_sof(4, {12}), "Unsupported JPEG data precision 12"},
      {"JPEG: zero components", decode_jpeg, jpeg_sof(9, {0}), "Empty JPEG image (DNL not supported)"},
      {"JPEG: 65000 x 65000", decode_jpeg, jpeg_sof(5, {0xFD, 0xE8, 0xFD, 0xE8}), "Picture is too large (65000 x 65000)"},
      {"JPEG: over two thousand scans", decode_jpeg,
       image_test::make_jpeg(8, 8, 3, Bytes(8 * 8 * 3, 0x40), image_test::JpegMode::ManyScans),
       "JPEG file has more than 1000 scans"},
      {"any: unknown signature", decode_picture, {'G', 'I', 'F', '8'}, "Picture format is not recognised"},
      {"any: cut bitmap", decode_picture, cut(bmp8(), 66), "Bitmap pixel data is truncated"},
  };
  // The cuts below must land where their names say.
  ASSERT_LT(100u, find_marker(baseline, 0xDA));
  ASSERT_LT(find_marker(baseline, 0xDA) + 60, baseline.size());
  ASSERT_LT(find_marker(progressive, 0xDA) + 10, progressive.size() * 3 / 4);
  for (const BadCase& c : cases) {
    SCOPED_TRACE(c.name);
    const auto result = c.decode(c.file);
    if (result.has_value()) {
      ADD_FAILURE() << "decoded as " << result->width << " x " << result->height;
      continue;
    }
    EXPECT_EQ(result.error(), c.message);
  }
}

}  // namespace
