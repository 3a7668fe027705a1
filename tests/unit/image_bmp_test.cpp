#include <gtest/gtest.h>

#include "image_test_files.h"
#include "image/decode.h"

namespace {

using image_test::BmpFile;
using image_test::Bytes;
using plat::argb;

constexpr std::uint32_t red = 0xFFFF0000, green = 0xFF00FF00, blue = 0xFF0000FF, white = 0xFFFFFFFF,
                        black = 0xFF000000;

struct BmpCase {
  const char* name;
  BmpFile file;
  std::vector<std::uint32_t> expected;  // top-down, row-major
};

BmpFile rgb24(std::int32_t height) {
  // File rows: first row blue, green; second row red, white (six bytes each, so padded).
  return {.width = 2, .height = height, .bits = 24,
          .rows = {{0xFF, 0, 0, 0, 0xFF, 0}, {0, 0, 0xFF, 0xFF, 0xFF, 0xFF}}};
}

BmpFile packed(std::uint32_t header, std::uint16_t bits, std::uint32_t compression, std::vector<std::uint32_t> masks,
               Bytes row) {
  return {.header_size = header, .width = static_cast<std::int32_t>(row.size() * 8 / bits), .height = 1,
          .bits = bits, .compression = compression, .masks = std::move(masks), .rows = {std::move(row)}};
}

const BmpCase bmp_cases[] = {
    {"24-bit bottom-up", rgb24(2), {red, white, blue, green}},
    {"24-bit top-down", rgb24(-2), {blue, green, red, white}},
    {"8-bit bottom-up, index past the table is black",
     {.width = 3, .height = 2, .bits = 8, .colours_used = 3, .palette = {0xFF0000, 0x00FF00, 0x0000FF},
      .rows = {{0, 1, 2}, {2, 7, 1}}},
     {blue, black, green, red, green, blue}},
    {"4-bit, table shorter than the depth allows",
     {.width = 3, .height = 1, .bits = 4, .palette = {0xFFFFFF, 0xFF0000, 0x0000FF}, .rows = {{0x12, 0x00}}},
     {red, blue, white}},
    {"1-bit, ten pixels across two bytes",
     {.width = 10, .height = 1, .bits = 1, .palette = {0x000000, 0xFFFFFF}, .rows = {{0b10110000, 0b01000000}}},
     {white, black, white, white, black, black, black, black, black, white}},
    {"core header, three-byte colour table",
     {.header_size = 12, .width = 2, .height = 1, .bits = 8, .palette = {0x123456, 0xABCDEF}, .rows = {{1, 0}}},
     {0xFFABCDEF, 0xFF123456}},
    {"16-bit default 5-5-5", packed(40, 16, 0, {}, {0x00, 0x7C, 0xE0, 0x03, 0x1F, 0x00, 0x10, 0x42}),
     {red, green, blue, argb(0xFF, 132, 132, 132)}},
    {"16-bit 5-6-5 bit fields", packed(40, 16, 3, {0xF800, 0x07E0, 0x001F}, {0x00, 0xF8, 0xE0, 0x07, 0x1F, 0x00, 0x00, 0x04}),
     {red, green, blue, argb(0xFF, 0, 130, 0)}},
    {"32-bit plain: fourth byte is padding", packed(40, 32, 0, {}, {0x10, 0x20, 0x30, 0x80}), {0xFF302010}},
    {"32-bit bit fields in RGBA order", packed(40, 32, 3, {0xFF, 0xFF00, 0xFF0000}, {0x10, 0x20, 0x30, 0x00}),
     {0xFF102030}},
    {"32-bit V5 bit fields with alpha",
     packed(124, 32, 3, {0xFF0000, 0xFF00, 0xFF, 0xFF000000}, {0x10, 0x20, 0x30, 0x80, 0, 0, 0xFF, 0x00}),
     {0x80302010, 0x00FF0000}},
    {"32-bit V4 plain with an alpha mask", packed(108, 32, 0, {0, 0, 0, 0xFF000000}, {0x10, 0x20, 0x30, 0x40}),
     {0x40302010}},
    {"alpha mask over an all-zero channel is opaque",
     packed(124, 32, 3, {0xFF0000, 0xFF00, 0xFF, 0xFF000000}, {0x10, 0x20, 0x30, 0, 1, 2, 3, 0}),
     {0xFF302010, 0xFF030201}},
};

TEST(BmpDecoder, DecodesEachLayout) {
  for (const BmpCase& c : bmp_cases) {
    SCOPED_TRACE(c.name);
    const auto img = image::decode_bmp(c.file.bytes());
    ASSERT_TRUE(img.has_value()) << img.error();
    EXPECT_EQ(img->width, c.file.width);
    EXPECT_EQ(img->height, std::abs(c.file.height));
    EXPECT_EQ(img->pixels, c.expected);
  }
}

TEST(BmpDecoder, AcceptsALastRowWithoutPadding) {
  Bytes file = rgb24(2).bytes();
  file.resize(file.size() - 2);
  const auto img = image::decode_bmp(file);
  ASSERT_TRUE(img.has_value()) << img.error();
  EXPECT_EQ(img->pixels, (std::vector<std::uint32_t>{red, white, blue, green}));
}

}  // namespace
