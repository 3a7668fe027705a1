// Premultiplying the splash picture by its own alpha, and the way GDI+'s
// premultiplied bits are turned back into straight colour on Windows so
// that premultiplying them again gives exactly what GDI+ made.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "forms/Splash/premultiply.h"
#include "platform/win32/straight_alpha.h"

namespace {

// Bytes in memory order, as the rows read them: blue, green, red, alpha.
struct Bgra {
  unsigned b, g, r, a;
  bool operator==(const Bgra&) const = default;
};

std::uint32_t pixel(Bgra p) {
  return plat::argb(static_cast<std::uint8_t>(p.a), static_cast<std::uint8_t>(p.r), static_cast<std::uint8_t>(p.g),
                    static_cast<std::uint8_t>(p.b));
}

Bgra bgra(std::uint32_t px) { return {plat::blue_of(px), plat::green_of(px), plat::red_of(px), plat::alpha_of(px)}; }

std::string text(Bgra p) {
  char s[40];
  std::snprintf(s, sizeof s, "(%u, %u, %u, %u)", p.b, p.g, p.r, p.a);
  return s;
}

// The plain arithmetic the table stands for.
unsigned reference(unsigned alpha, unsigned colour) { return alpha * colour / 255; }

TEST(SplashPremultiply, EdgeCasesOfSinglePixels) {
  struct Row {
    const char* what;
    Bgra in, out;
  };
  const Row rows[] = {
      {"alpha 0 clears the colour", {200, 100, 50, 0}, {0, 0, 0, 0}},
      {"alpha 0 of white", {255, 255, 255, 0}, {0, 0, 0, 0}},
      {"alpha 255 keeps the colour", {200, 100, 50, 255}, {200, 100, 50, 255}},
      {"alpha 255 of white", {255, 255, 255, 255}, {255, 255, 255, 255}},
      {"half alpha rounds down", {255, 128, 1, 128}, {128, 64, 0, 128}},
      {"alpha 1 leaves only 255 at 1", {255, 254, 0, 1}, {1, 0, 0, 1}},
      {"the splash's inside", {0, 0, 0, 211}, {0, 0, 0, 211}},
      {"the splash's soft border", {112, 112, 112, 230}, {101, 101, 101, 230}},
  };
  for (const Row& row : rows) {
    plat::Image img = plat::Image::blank(1, 1, pixel(row.in));
    Splash::PremultiplyAlpha(img);
    EXPECT_EQ(bgra(img.pixels[0]), row.out) << row.what << ": got " << text(bgra(img.pixels[0]));
  }
}

// Every pixel of every row is reached, whatever the width: odd widths, a
// single column, the splash's own 389, and rows without any padding
// between them (the last pixel of a row is followed at once by the next).
TEST(SplashPremultiply, EveryPixelOfPicturesOfAnyWidth) {
  const int sizes[][2] = {{1, 1}, {1, 7}, {3, 2}, {5, 5}, {7, 1}, {389, 316}};
  for (const auto& size : sizes) {
    const int w = size[0], h = size[1];
    plat::Image img = plat::Image::blank(w, h);
    for (int y = 0; y < h; ++y)
      for (int x = 0; x < w; ++x) {
        img.at(x, y) = pixel({static_cast<unsigned>(x * 7 + y) & 0xFF, 0xFF, static_cast<unsigned>(y * 13) & 0xFF,
                              static_cast<unsigned>(x * 31 + y * 17 + 1) & 0xFF});
      }
    const plat::Image before = img;
    Splash::PremultiplyAlpha(img);
    int wrong = 0;
    for (int y = 0; y < h; ++y)
      for (int x = 0; x < w; ++x) {
        const Bgra in = bgra(before.at(x, y));
        const Bgra want{reference(in.a, in.b), reference(in.a, in.g), reference(in.a, in.r), in.a};
        if (bgra(img.at(x, y)) != want && wrong++ < 3) {
          ADD_FAILURE() << w << "x" << h << " at " << x << "," << y << ": " << text(bgra(img.at(x, y))) << " want "
                        << text(want);
        }
      }
    EXPECT_EQ(wrong, 0) << w << "x" << h;
  }
}

// All 65536 (alpha, colour) pairs at once, each colour in a different
// channel so that a table indexed the wrong way round or a channel taken
// from its neighbour shows.
TEST(SplashPremultiply, AgreesWithPlainArithmeticForEveryAlphaAndColour) {
  plat::Image img = plat::Image::blank(256, 256);
  for (unsigned a = 0; a < 256; ++a)
    for (unsigned c = 0; c < 256; ++c) img.at(static_cast<int>(c), static_cast<int>(a)) = pixel({c, 255 - c, c ^ 0x5A, a});
  Splash::PremultiplyAlpha(img);
  int wrong = 0;
  for (unsigned a = 0; a < 256; ++a)
    for (unsigned c = 0; c < 256; ++c) {
      const Bgra got = bgra(img.at(static_cast<int>(c), static_cast<int>(a)));
      const Bgra want{reference(a, c), reference(a, 255 - c), reference(a, c ^ 0x5A), a};
      if (got != want && wrong++ < 5) ADD_FAILURE() << "alpha " << a << " colour " << c << ": " << text(got);
    }
  EXPECT_EQ(wrong, 0);
}

// GDI+ hands premultiplied colour; the decoder straightens it so that the
// splash's premultiplication gives every premultiplied value back
// unchanged: for each alpha, each colour that premultiplied data can hold.
TEST(SplashStraightAlpha, PremultiplyingTheStraightenedPixelGivesGdiplusBitsBack) {
  int wrong = 0;
  for (unsigned a = 0; a < 256; ++a) {
    std::vector<std::uint32_t> row;
    for (unsigned p = 0; p <= a; ++p) row.push_back(pixel({p, a - p, p / 2, a}));
    const std::vector<std::uint32_t> gdiplus = row;
    plat::Image img = plat::Image::blank(static_cast<int>(row.size()), 1);
    for (std::size_t i = 0; i < row.size(); ++i) img.pixels[i] = win32::straight_from_premultiplied(row[i]);
    Splash::PremultiplyAlpha(img);
    for (std::size_t i = 0; i < row.size(); ++i) {
      if (img.pixels[i] != gdiplus[i] && wrong++ < 5) {
        ADD_FAILURE() << "alpha " << a << ": " << text(bgra(gdiplus[i])) << " came back as " << text(bgra(img.pixels[i]));
      }
    }
  }
  EXPECT_EQ(wrong, 0);
}

TEST(SplashStraightAlpha, StraightensOnlyWhatCanBePremultiplied) {
  struct Row {
    const char* what;
    std::vector<Bgra> in, out;
  };
  const Row rows[] = {
      {"white of alpha 0x51 as GDI+ makes it", {{0x51, 0x51, 0x51, 0x51}}, {{255, 255, 255, 0x51}}},
      {"opaque stays", {{10, 20, 30, 255}}, {{10, 20, 30, 255}}},
      {"transparent black stays", {{0, 0, 0, 0}}, {{0, 0, 0, 0}}},
      {"a soft border pixel", {{101, 101, 101, 230}, {0, 0, 0, 211}}, {{112, 112, 112, 230}, {0, 0, 0, 211}}},
      // One channel above its alpha: this codec gave straight colour, which
      // must not be divided again.
      {"straight data is left alone",
       {{0x51, 0x51, 0x51, 0x51}, {255, 255, 255, 0x51}},
       {{0x51, 0x51, 0x51, 0x51}, {255, 255, 255, 0x51}}},
  };
  for (const Row& row : rows) {
    std::vector<std::uint32_t> px;
    for (Bgra p : row.in) px.push_back(pixel(p));
    win32::to_straight_alpha(px);
    std::vector<Bgra> got;
    for (std::uint32_t p : px) got.push_back(bgra(p));
    EXPECT_EQ(got, row.out) << row.what;
  }
}

}  // namespace
