#include <gtest/gtest.h>

#include "image_test_files.h"
#include "image/decode.h"

namespace {

using image_test::Bytes;
using image_test::JpegMode;

// A 32 x 32 picture of four flat 16 x 16 quadrants: flat blocks aligned
// to the 16-pixel colour subsampling come back within a few levels.
struct Quadrants {
  int components;
  std::vector<Bytes> colours;   // samples of each quadrant, as written
  std::vector<std::uint32_t> expected;
};

Bytes quadrant_samples(const Quadrants& q) {
  Bytes samples;
  for (int y = 0; y < 32; ++y)
    for (int x = 0; x < 32; ++x) {
      const Bytes& c = q.colours[(y / 16) * 2 + x / 16];
      samples.insert(samples.end(), c.begin(), c.end());
    }
  return samples;
}

void expect_near(std::uint32_t actual, std::uint32_t expected, int tolerance) {
  EXPECT_EQ(plat::alpha_of(actual), 0xFF);
  EXPECT_NEAR(plat::red_of(actual), plat::red_of(expected), tolerance) << std::hex << actual;
  EXPECT_NEAR(plat::green_of(actual), plat::green_of(expected), tolerance) << std::hex << actual;
  EXPECT_NEAR(plat::blue_of(actual), plat::blue_of(expected), tolerance) << std::hex << actual;
}

TEST(JpegDecoder, DecodesGreyColourAndCmykInBothModes) {
  const Quadrants pictures[] = {
      {3, {{200, 30, 30}, {30, 200, 30}, {30, 30, 200}, {250, 250, 250}},
       {0xFFC81E1E, 0xFF1EC81E, 0xFF1E1EC8, 0xFFFAFAFA}},
      {1, {{0}, {85}, {170}, {255}}, {0xFF000000, 0xFF555555, 0xFFAAAAAA, 0xFFFFFFFF}},
      // Ink amounts: cyan, magenta, none, and half black.
      {4, {{255, 0, 0, 0}, {0, 255, 0, 0}, {0, 0, 0, 0}, {0, 0, 0, 128}},
       {0xFF00FFFF, 0xFFFF00FF, 0xFFFFFFFF, 0xFF7F7F7F}},
  };
  for (const Quadrants& q : pictures)
    for (JpegMode mode : {JpegMode::Baseline, JpegMode::Progressive}) {
      SCOPED_TRACE(testing::Message() << q.components << " components, progressive " << (mode == JpegMode::Progressive));
      const auto img = image::decode_jpeg(image_test::make_jpeg(32, 32, q.components, quadrant_samples(q), mode));
      ASSERT_TRUE(img.has_value()) << img.error();
      ASSERT_EQ(img->width, 32);
      ASSERT_EQ(img->height, 32);
      for (int i = 0; i < 4; ++i) {
        const int x0 = (i % 2) * 16, y0 = (i / 2) * 16;
        for (int y = y0 + 3; y < y0 + 13; y += 3)
          for (int x = x0 + 3; x < x0 + 13; x += 3) expect_near(img->at(x, y), q.expected[i], 6);
      }
    }
}

}  // namespace
