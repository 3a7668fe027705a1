#include <gtest/gtest.h>
#include <png.h>

#include "image_test_files.h"
#include "image/decode.h"

namespace {

using image_test::Bytes;
using image_test::PngFile;

Bytes simplified_rgba(int width, int height, const Bytes& rgba) {
  png_image image{};
  image.version = PNG_IMAGE_VERSION;
  image.width = width;
  image.height = height;
  image.format = PNG_FORMAT_RGBA;
  png_alloc_size_t size = 0;
  png_image_write_get_memory_size(image, size, 0, rgba.data(), 0, nullptr);
  Bytes out(size);
  EXPECT_TRUE(png_image_write_to_memory(&image, out.data(), &size, 0, rgba.data(), 0, nullptr)) << image.message;
  out.resize(size);
  return out;
}

struct PngCase {
  const char* name;
  Bytes file;
  int width, height;
  std::vector<std::uint32_t> expected;
};

std::vector<PngCase> png_cases() {
  const Bytes rgba = {255, 0, 0, 255, 0, 255, 0, 128, 0, 0, 255, 0, 10, 20, 30, 40};
  PngFile palette{.width = 3, .height = 1, .bit_depth = 8, .colour_type = PNG_COLOR_TYPE_PALETTE,
                  .palette = {0xFF0000, 0x00FF00, 0x0000FF}, .palette_alpha = {255, 0}, .rows = {{0, 1, 2}}};
  PngFile grey{.width = 3, .height = 1, .bit_depth = 8, .colour_type = PNG_COLOR_TYPE_GRAY, .trns_grey = 0x40,
               .rows = {{0x40, 0x80, 0x41}}};
  PngFile grey16{.width = 2, .height = 1, .bit_depth = 16, .colour_type = PNG_COLOR_TYPE_GRAY,
                 .rows = {{0x80, 0x80, 0xFF, 0xFF}}};
  PngFile rgb_trns{.width = 2, .height = 1, .bit_depth = 8, .colour_type = PNG_COLOR_TYPE_RGB, .trns_grey = 7,
                   .rows = {{7, 7, 7, 7, 7, 8}}};
  PngFile interlaced{.width = 9, .height = 9, .bit_depth = 4, .colour_type = PNG_COLOR_TYPE_GRAY, .interlaced = true};
  std::vector<std::uint32_t> diagonal;
  for (int y = 0; y < 9; ++y) {
    interlaced.rows.push_back(Bytes(5, 0));
    for (int x = 0; x < 9; ++x) {
      const int v = x == y ? 15 : (x + y) % 3;
      interlaced.rows.back()[x / 2] |= static_cast<std::uint8_t>(v << (x % 2 ? 0 : 4));
      diagonal.push_back(plat::argb(0xFF, v * 17, v * 17, v * 17));
    }
  }
  return {
      {"RGBA channel, straight alpha", simplified_rgba(2, 2, rgba), 2, 2,
       {0xFFFF0000, 0x8000FF00, 0x000000FF, 0x280A141E}},
      {"palette with one transparent entry", palette.bytes(), 3, 1, {0xFFFF0000, 0x0000FF00, 0xFF0000FF}},
      {"grey with tRNS", grey.bytes(), 3, 1, {0x00404040, 0xFF808080, 0xFF414141}},
      {"RGB with tRNS", rgb_trns.bytes(), 2, 1, {0x00070707, 0xFF070708}},
      {"16-bit grey reduced to 8", grey16.bytes(), 2, 1, {0xFF808080, 0xFFFFFFFF}},
      {"interlaced 4-bit grey", interlaced.bytes(), 9, 9, diagonal},
  };
}

TEST(PngDecoder, DecodesEachColourType) {
  for (const PngCase& c : png_cases()) {
    SCOPED_TRACE(c.name);
    const auto img = image::decode_png(c.file);
    ASSERT_TRUE(img.has_value()) << img.error();
    EXPECT_EQ(img->width, c.width);
    EXPECT_EQ(img->height, c.height);
    EXPECT_EQ(img->pixels, c.expected);
  }
}

}  // namespace
