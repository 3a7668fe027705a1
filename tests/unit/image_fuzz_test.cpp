// Random damage to valid files, with a fixed seed so that a failure can be
// replayed: whatever the decoders make of it, they must not crash, read
// outside the input (the sanitizer build checks that), or return a picture
// whose pixel count disagrees with its size.
#include <gtest/gtest.h>
#include <png.h>

#include <random>

#include "image_test_files.h"
#include "image/decode.h"
#include "image/picture_limits.h"

namespace {

using image_test::Bytes;

std::vector<Bytes> seeds() {
  Bytes grey(20 * 12);
  for (std::size_t i = 0; i < grey.size(); ++i) grey[i] = static_cast<std::uint8_t>(i * 29 % 256);
  Bytes rgb(20 * 12 * 3);
  for (std::size_t i = 0; i < rgb.size(); ++i) rgb[i] = static_cast<std::uint8_t>(i * 13 % 256);
  std::vector<Bytes> rows8, rows4;
  for (int y = 0; y < 12; ++y) {
    rows8.emplace_back(grey.begin() + y * 20, grey.begin() + y * 20 + 20);
    rows4.push_back(Bytes(10, static_cast<std::uint8_t>(y * 17)));
  }
  std::vector<std::uint32_t> palette(16);
  for (std::size_t i = 0; i < palette.size(); ++i) palette[i] = static_cast<std::uint32_t>(i * 0x101010);
  using image_test::BmpFile;
  using image_test::PngFile;
  return {
      BmpFile{.width = 20, .height = 12, .bits = 8, .palette = palette, .rows = rows8}.bytes(),
      BmpFile{.width = 20, .height = -12, .bits = 4, .palette = palette, .rows = rows4}.bytes(),
      BmpFile{.header_size = 124, .width = 5, .height = 12, .bits = 32, .compression = 3,
              .masks = {0xFF0000, 0xFF00, 0xFF, 0xFF000000}, .rows = rows8}
          .bytes(),
      BmpFile{.header_size = 12, .width = 80, .height = 12, .bits = 1, .palette = {0, 0xFFFFFF}, .rows = rows4}.bytes(),
      BmpFile{.width = 10, .height = 12, .bits = 16, .compression = 3, .masks = {0xF800, 0x07E0, 0x001F},
              .rows = rows8}
          .bytes(),
      PngFile{.width = 20, .height = 12, .bit_depth = 4, .colour_type = PNG_COLOR_TYPE_PALETTE, .interlaced = true,
              .palette = palette, .palette_alpha = {0, 128}, .rows = rows4}
          .bytes(),
      PngFile{.width = 10, .height = 12, .bit_depth = 16, .colour_type = PNG_COLOR_TYPE_GRAY, .trns_grey = 5,
              .rows = rows8}
          .bytes(),
      image_test::make_jpeg(20, 12, 1, grey, image_test::JpegMode::Baseline),
      image_test::make_jpeg(20, 12, 3, rgb, image_test::JpegMode::Progressive),
      image_test::make_jpeg(5, 12, 4, rgb, image_test::JpegMode::Baseline),
  };
}

void mutate(Bytes& b, std::mt19937& rng) {
  auto pick = [&](std::size_t n) { return std::uniform_int_distribution<std::size_t>(0, n - 1)(rng); };
  const std::uint8_t edges[] = {0x00, 0x01, 0x7F, 0x80, 0xFE, 0xFF};
  for (std::size_t n = 1 + pick(4); n > 0 && !b.empty(); --n) {
    switch (pick(5)) {
      case 0: b[pick(b.size())] ^= static_cast<std::uint8_t>(1u << pick(8)); break;
      case 1: b[pick(b.size())] = edges[pick(std::size(edges))]; break;
      case 2: b.resize(pick(b.size())); break;
      case 3: b.insert(b.begin() + pick(b.size()), static_cast<std::uint8_t>(pick(256))); break;
      default: b.erase(b.begin() + pick(b.size())); break;
    }
  }
}

TEST(PictureDecoders, SurviveRandomDamage) {
  const std::vector<Bytes> valid = seeds();
  for (const Bytes& file : valid) ASSERT_TRUE(image::decode_picture(file).has_value());
  std::mt19937 rng(20240611);
  int decoded = 0;
  for (int i = 0; i < 10000; ++i) {
    Bytes file = valid[i % valid.size()];
    mutate(file, rng);
    const auto result = image::decode_picture(file);
    if (!result) {
      ASSERT_FALSE(result.error().empty()) << "iteration " << i;
      continue;
    }
    ++decoded;
    ASSERT_GT(result->width, 0) << "iteration " << i;
    ASSERT_LE(result->width, image::max_picture_side);
    ASSERT_EQ(result->pixels.size(), static_cast<std::size_t>(result->width) * result->height) << "iteration " << i;
  }
  // Some damage (a flipped pixel bit) leaves a file readable; all-failing
  // would mean the seeds never reach the pixel decoding.
  EXPECT_GT(decoded, 100);
}

}  // namespace
