// The About splash shown on the simulated desktop: its window made
// layered, sized to the SPLASH picture and centred, faded in with the
// picture premultiplied; a picture of the wrong depth refused with the
// assertion text; the window dragged by any of its points.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "forms/Splash/Splash.h"
#include "forms/Splash/fade.h"
#include "forms/menu/menu.h"
#include "platform/sim/event_log.h"
#include "support/sim_app.h"
#include "image/decode.h"

namespace {

constexpr int kWidth = 389;
constexpr int kHeight = 316;

struct SplashShow : ::testing::Test {
  SplashShow() : sim({.ship_pictures = false, .compositor = false}) {
    sim.app->set_title("Slatebar");
    sim.app->create_form(frmMenu);  // the main form, as in the program
    sim.desktop.log().clear();
  }
  TFormSplash& make() { return sim.app->create_owned_form<TFormSplash>(); }
  std::vector<std::string> splash_calls() {
    std::vector<std::string> out;
    for (const auto& e : sim.desktop.log().of({"SetWindowLongA", "SetWindowPos", "ShowWindow", "UpdateLayeredWindow",
                                               "SetLayeredWindowAttributes", "MessageBoxA"})) {
      if (e.find(" FormSplash") != std::string::npos || e.starts_with("MessageBoxA")) out.push_back(e);
    }
    return out;
  }
  support::SimApp sim;
};

plat::Image straight_picture() {
  std::ifstream in(SLATEBAR_SOURCE_DIR "/resources/pictures/splash.png", std::ios::binary);
  const std::vector<std::uint8_t> bytes{std::istreambuf_iterator<char>(in), {}};
  auto decoded = image::decode_png(bytes);
  EXPECT_TRUE(decoded) << decoded.error();
  return decoded ? std::move(*decoded) : plat::Image{};
}

std::uint32_t premultiplied(std::uint32_t px) {
  const unsigned a = plat::alpha_of(px);
  auto m = [a](unsigned c) { return static_cast<std::uint8_t>(a * c / 255); };
  return plat::argb(static_cast<std::uint8_t>(a), m(plat::red_of(px)), m(plat::green_of(px)), m(plat::blue_of(px)));
}

TEST_F(SplashShow, BecomesLayeredTakesThePicturesSizeAtTheCentreAndFadesIn) {
  TFormSplash& splash = make();
  splash.ShowSplash();

  std::vector<std::string> expected = {
      "SetWindowLongA FormSplash GWL_EXSTYLE 0x00080008",  // layered added to stay-on-top
      "SetWindowPos FormSplash 0,0 389x316 SWP_NOZORDER|SWP_NOACTIVATE",
      "SetWindowPos FormSplash 317,226 389x316 SWP_NOZORDER|SWP_NOACTIVATE",  // (1024-389)/2, (768-316)/2
      "ShowWindow FormSplash SW_SHOW",
      "SetWindowPos FormSplash HWND_TOP SWP_NOSIZE|SWP_NOMOVE|SWP_NOACTIVATE",
  };
  std::uint8_t alpha = 0;
  while (alpha < 255) {
    alpha = Splash::next_fade_alpha(alpha);
    expected.push_back("UpdateLayeredWindow FormSplash alpha=" + std::to_string(alpha) + " 389x316");
  }
  const auto got = splash_calls();
  EXPECT_EQ(got, expected) << sim::side_by_side(expected, got);

  const sim::Window& w = sim.desktop.window(splash.handle());
  EXPECT_TRUE(w.visible());
  EXPECT_TRUE(w.topmost());
  EXPECT_EQ(w.bounds, (plat::RECT{317, 226, 317 + kWidth, 226 + kHeight}));
  EXPECT_EQ(splash.client_width(), kWidth);
  EXPECT_EQ(splash.client_height(), kHeight);
  EXPECT_EQ(sim.desktop.GetForegroundWindow(), splash.handle());
  ASSERT_EQ(w.layered_updates.size(), 85u);
  for (const sim::LayeredUpdate& u : w.layered_updates) {
    EXPECT_FALSE(u.dst) << "the window stays where it was placed";
    EXPECT_EQ(u.source_size, (plat::SIZE{kWidth, kHeight}));
    EXPECT_EQ(u.key, 0u);
    EXPECT_EQ(u.flags, plat::ULW_ALPHA);
    EXPECT_EQ(u.alpha_format, plat::AC_SRC_ALPHA);
  }
}

TEST_F(SplashShow, TheLayeredWindowGetsThePicturePremultipliedByItsOwnAlpha) {
  sim.desktop.keep_image_copies(true);
  TFormSplash& splash = make();
  splash.ShowSplash();
  const auto& updates = sim.desktop.window(splash.handle()).layered_updates;
  ASSERT_FALSE(updates.empty());
  ASSERT_TRUE(updates.back().image);
  const plat::Image& shown = *updates.back().image;
  const plat::Image straight = straight_picture();
  ASSERT_EQ(shown.width, straight.width);
  ASSERT_EQ(shown.height, straight.height);

  struct Row {
    const char* what;
    int x, y;
    std::uint32_t argb;
  };
  const Row rows[] = {
      {"outside the rounded corner", 0, 0, 0x00000000},
      {"the corner's soft edge", 5, 5, 0x15151515},
      {"the white border", 0, 158, 0xFFFFFFFF},
      {"the border's inner edge", 2, 158, 0xE6656565},
      {"the translucent black inside", 194, 158, 0xD3000000},
  };
  for (const Row& row : rows) EXPECT_EQ(shown.at(row.x, row.y), row.argb) << row.what;
  int wrong = 0;
  for (std::size_t i = 0; i < straight.pixels.size(); ++i) wrong += shown.pixels[i] != premultiplied(straight.pixels[i]);
  EXPECT_EQ(wrong, 0) << "pixels that are not the straight picture premultiplied";
}

// A decoder that gives anything but 32 bits per pixel stops the splash
// before it is shown; the assertion's text reaches the standard error box,
// and the timer running since construction still frees the form.
TEST_F(SplashShow, APictureOfAnotherDepthIsRefusedAndTheFormStillGoesOnItsTimer) {
  for (int bits : {24, 8, 1}) {
    SCOPED_TRACE(bits);
    sim.desktop.set_decoded_bits_per_pixel(bits);
    sim.desktop.log().clear();
    const sim::Millis made = sim.desktop.now();
    TFormSplash& splash = make();
    const plat::HWND hwnd = splash.handle();
    sim.app->guard([&] { splash.ShowSplash(); });

    const std::vector<std::string> expected = {
        "SetWindowLongA FormSplash GWL_EXSTYLE 0x00080008",
        // The always-on-top splash steps down for the box's life, so that
        // the box stands in front of it.
        "SetWindowPos FormSplash HWND_NOTOPMOST SWP_NOSIZE|SWP_NOMOVE|SWP_NOACTIVATE|SWP_NOOWNERZORDER",
        "MessageBoxA \"Slatebar\" \"Wrong bitmap format - must be 32 bits/pixel (Splash, line 139)\" "
        "MB_OK|MB_ICONSTOP -> IDOK",
        "SetWindowPos FormSplash HWND_TOPMOST SWP_NOSIZE|SWP_NOMOVE|SWP_NOACTIVATE|SWP_NOOWNERZORDER",
        // The bar left the band with it, and goes back behind it.
        "SetWindowPos frmMenu FormSplash SWP_NOSIZE|SWP_NOMOVE|SWP_NOACTIVATE|SWP_NOOWNERZORDER",
    };
    const auto got = splash_calls();
    EXPECT_EQ(got, expected) << sim::side_by_side(expected, got);
    EXPECT_FALSE(sim.desktop.window(hwnd).visible());

    sim.desktop.advance(made + 4095 - sim.desktop.now());
    EXPECT_TRUE(sim.desktop.window_exists(hwnd));
    sim.desktop.advance(1);
    EXPECT_FALSE(sim.desktop.window_exists(hwnd)) << "the refused splash was never freed";
    EXPECT_EQ(sim.app->forms().size(), 1u);
  }
}

// Every point answers as a caption, the transparent corners included, so
// a press anywhere moves the window.
TEST_F(SplashShow, IsDraggedByAnyOfItsPoints) {
  TFormSplash& splash = make();
  splash.ShowSplash();
  const plat::HWND hwnd = splash.handle();
  const plat::POINT points[] = {{317, 226}, {317 + 388, 226 + 315}, {317 + 1, 226 + 158}, {317 + 194, 226 + 158}};
  for (const plat::POINT& p : points) {
    EXPECT_EQ(sim.desktop.nc_hit_test(hwnd, p.x, p.y), plat::HTCAPTION) << p.x << "," << p.y;
  }
  sim.desktop.move_pointer(500, 400);
  sim.desktop.press();
  sim.desktop.advance(10);
  sim.desktop.move_pointer(560, 300);
  sim.desktop.advance(10);
  sim.desktop.release();
  sim.desktop.advance(10);
  EXPECT_EQ(sim.desktop.window(hwnd).bounds, (plat::RECT{377, 126, 377 + kWidth, 126 + kHeight}));
  EXPECT_TRUE(sim.desktop.window_exists(hwnd)) << "a press on the splash does not close it";
}

}  // namespace
