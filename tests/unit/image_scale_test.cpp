#include <gtest/gtest.h>

#include <algorithm>

#include "image/scale.h"

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
    const plat::Image out = image::scale_image(c.src, c.width, c.height);
    EXPECT_EQ(out.pixels, c.expected);
    if (!c.expected.empty()) {
      EXPECT_EQ(out.width * out.height, static_cast<int>(c.expected.size()));
    }
  }
}

TEST(ScaleImage, KeepsAFlatPictureFlatAtAnySize) {
  const plat::Image flat = plat::Image::blank(37, 23, 0xC0406080);
  for (auto [w, h] : {std::pair{13, 7}, {100, 51}, {37, 5}, {1, 1}, {74, 23}, {29, 60}}) {
    const plat::Image out = image::scale_image(flat, w, h);
    ASSERT_EQ(out.width, w);
    ASSERT_EQ(out.height, h);
    EXPECT_EQ(out.pixels, std::vector<std::uint32_t>(static_cast<std::size_t>(w) * h, 0xC0406080)) << w << " x " << h;
  }
}

TEST(ScaleImage, ShrinkingKeepsTheMeanOfAGradient) {
  plat::Image src = plat::Image::blank(1920, 4);
  for (int y = 0; y < 4; ++y)
    for (int x = 0; x < 1920; ++x) src.at(x, y) = grey(static_cast<std::uint8_t>(x * 255 / 1919));
  const plat::Image out = image::scale_image(src, 1366, 3);
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

// A part of a stretch, made on its own (as a grown picture is painted,
// band by band), holds exactly the pixels of the whole stretch there.
TEST(ScaleImage, APartOfAStretchIsTheWholeStretchAtThatPlace) {
  plat::Image src = plat::Image::blank(37, 23);
  std::uint32_t seed = 12345;
  for (std::uint32_t& p : src.pixels) {
    seed = seed * 1103515245 + 12345;
    p = seed;  // any colour, any alpha
  }
  struct Case {
    const char* name;
    int width, height;
    plat::RECT part;
  };
  const Case cases[] = {
      {"grown, a band across", 100, 61, {0, 10, 100, 27}},
      {"grown, an inner square", 100, 61, {33, 17, 58, 40}},
      {"grown, the last row and column", 100, 61, {99, 60, 100, 61}},
      {"grown, all of it", 80, 50, {0, 0, 80, 50}},
      {"shrunk, a corner", 20, 9, {0, 0, 7, 4}},
      {"shrunk, the far corner", 20, 9, {13, 5, 20, 9}},
      {"grown across, shrunk down", 90, 11, {45, 3, 90, 8}},
      {"reaching past the edges: cut", 50, 40, {-5, 30, 60, 45}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const plat::Image whole = image::scale_image(src, c.width, c.height);
    const image::Stretch stretch(src.width, src.height, c.width, c.height);
    plat::Image part;
    stretch.part(src, c.part, part);
    const int left = std::max<int>(c.part.left, 0), top = std::max<int>(c.part.top, 0);
    ASSERT_EQ(part.width, std::min<int>(c.part.right, c.width) - left);
    ASSERT_EQ(part.height, std::min<int>(c.part.bottom, c.height) - top);
    int differing = 0;
    for (int y = 0; y < part.height; ++y) {
      for (int x = 0; x < part.width; ++x) differing += part.at(x, y) != whole.at(left + x, top + y);
    }
    EXPECT_EQ(differing, 0);
  }
}
