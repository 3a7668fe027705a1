#include <gtest/gtest.h>

#include "ui/image/scale.h"

namespace {

using plat::argb;

plat::Image row_of(std::vector<std::uint32_t> pixels, int height = 1) {
  plat::Image img;
  img.width = static_cast<int>(pixels.size()) / height;
  img.height = height;
  img.pixels = std::move(pixels);
  return img;
}

std::uint32_t grey(std::uint8_t v) { return argb(0xFF, v, v, v); }

struct ScaleCase {
  const char* name;
  plat::Image src;
  int width, height;
  std::vector<std::uint32_t> expected;
};

TEST(ScaleImage, ResamplesEachAxis) {
  const ScaleCase cases[] = {
      {"same size is a copy", row_of({grey(1), 0x12345678}), 2, 1, {grey(1), 0x12345678}},
      {"halving averages pairs", row_of({grey(0), grey(100), grey(200), grey(255)}), 2, 1, {grey(50), grey(228)}},
      {"two to three area fractions", row_of({grey(0), grey(90), grey(180)}), 2, 1, {grey(30), grey(150)}},
      {"halving both axes averages blocks", row_of({grey(0), grey(40), grey(80), grey(120)}, 2), 1, 1, {grey(60)}},
      {"growing interpolates between centres", row_of({grey(0), grey(255)}), 4, 1,
       {grey(0), grey(64), grey(191), grey(255)}},
      {"one pixel fills any size", row_of({0xFF102030}), 3, 2, std::vector<std::uint32_t>(6, 0xFF102030)},
      {"transparent pixels lend no colour", row_of({0xFFFF0000, 0x0000FF00}), 1, 1, {0x80FF0000}},
      {"all transparent stays transparent", row_of({0x00FFFFFF, 0x00000000}), 1, 1, {0}},
      {"no pixels gives a transparent picture", plat::Image{}, 2, 1, {0, 0}},
      {"zero width gives nothing", row_of({grey(9)}), 0, 4, {}},
      {"a size past the limits gives nothing", row_of({grey(9)}), 20000, 1, {}},
  };
  for (const ScaleCase& c : cases) {
    SCOPED_TRACE(c.name);
    const plat::Image out = ui::image::scale_image(c.src, c.width, c.height);
    EXPECT_EQ(out.pixels, c.expected);
    if (!c.expected.empty()) {
      EXPECT_EQ(out.width * out.height, static_cast<int>(c.expected.size()));
    }
  }
}

TEST(ScaleImage, KeepsAFlatPictureFlatAtAnySize) {
  const plat::Image flat = plat::Image::blank(37, 23, 0xC0406080);
  for (auto [w, h] : {std::pair{13, 7}, {100, 51}, {37, 5}, {1, 1}, {74, 23}, {29, 60}}) {
    const plat::Image out = ui::image::scale_image(flat, w, h);
    ASSERT_EQ(out.width, w);
    ASSERT_EQ(out.height, h);
    EXPECT_EQ(out.pixels, std::vector<std::uint32_t>(static_cast<std::size_t>(w) * h, 0xC0406080)) << w << " x " << h;
  }
}

TEST(ScaleImage, ShrinkingKeepsTheMeanOfAGradient) {
  plat::Image src = plat::Image::blank(1920, 4);
  for (int y = 0; y < 4; ++y)
    for (int x = 0; x < 1920; ++x) src.at(x, y) = grey(static_cast<std::uint8_t>(x * 255 / 1919));
  const plat::Image out = ui::image::scale_image(src, 1366, 3);
  for (int x = 0; x < 1366; ++x) {
    // The source rounds down, which lowers its mean by half a level.
    const double expected = (x + 0.5) * 1920.0 / 1366 * 255 / 1919 - 0.5;
    ASSERT_NEAR(plat::red_of(out.at(x, 1)), expected, 1.0) << x;
    if (x > 0) {
      ASSERT_GE(plat::red_of(out.at(x, 1)), plat::red_of(out.at(x - 1, 1))) << x;
    }
  }
}

}  // namespace
