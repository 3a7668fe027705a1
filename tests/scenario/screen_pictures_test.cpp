// What the two screen-sized forms hold of their pictures once made: the
// lock screen only the part of its picture that the screen shows, the
// welcome screen the smaller of its background and the background
// stretched to the screen (a grown one is stretched where it is painted);
// the pixels they paint are the ones they painted when they held it all;
// and a small change paints only its place.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "forms/Logon/Logon.h"
#include "forms/settings/settings.h"
#include "forms/welcome/welcome.h"
#include "support/lock_fixture.h"
#include "support/sim_app.h"
#include "image/decode.h"
#include "image/scale.h"
#include "ui/label.h"
#include "ui/picture.h"
#include "ui/picture_file.h"

namespace {

using lock_test::in_pics;

struct Program {
  Program(int w, int h) : s({.screen_width = w, .screen_height = h}) {
    s.app->set_title("Slatebar");
    s.app->create_form(frmSetting);
    s.app->create_form(frmLogon);
    s.app->create_form(frmWelcome);
  }
  support::SimApp s;
};

std::string size_of(const plat::Image& img) { return std::to_string(img.width) + "x" + std::to_string(img.height); }

// Pixels of `got` that differ from `want` at (left, top) onwards.
int differing(const plat::Image& got, const plat::Image& want, int left, int top) {
  int n = 0;
  for (int y = 0; y < got.height; ++y) {
    for (int x = 0; x < got.width; ++x) n += got.at(x, y) != want.at(left + x, top + y);
  }
  return n;
}

// Both shipped pictures are 1920 x 1080.
TEST(ScreenPictures, HoldOnlyWhatTheScreenCanShow) {
  struct Case {
    int w, h;
    std::string lock, welcome;
  };
  const Case cases[] = {
      {1024, 768, "1024x768", "1024x768"},     // cut; the stretched copy is the smaller
      {1920, 1080, "1920x1080", "1920x1080"},  // the screen's own size: nothing to cut or stretch
      {3840, 2160, "1920x1080", "1920x1080"},  // all of the lock picture shows; the background is grown at paint
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(c.w) + "x" + std::to_string(c.h));
    Program p(c.w, c.h);
    const ui::Picture& lock = *frmLogon->imgPic;
    const ui::Picture& welcome = *frmWelcome->imgBG;
    EXPECT_EQ(size_of(lock.image()), c.lock);
    EXPECT_EQ(size_of(welcome.image()), c.welcome);
    const std::size_t screen = static_cast<std::size_t>(c.w) * c.h;
    EXPECT_LE(lock.held_pixels(), screen);
    EXPECT_EQ(lock.held_pixels(), lock.image().pixels.size()) << "the lock picture keeps no second copy";
    EXPECT_LE(welcome.held_pixels(), std::min<std::size_t>(screen, 1920 * 1080));
    EXPECT_EQ(welcome.held_pixels(), welcome.image().pixels.size()) << "the background keeps no second copy";
  }
}

// The lock screen keeps the picture's top-left corner, pixel for pixel.
TEST(ScreenPictures, TheLockScreenKeepsThePicturesCornerAsItWas) {
  Program p(1024, 768);
  const auto bytes = *p.s.desktop.files().file_bytes(in_pics("logon.jpg"));
  const auto decoded = image::decode_jpeg(bytes);
  ASSERT_TRUE(decoded);
  const plat::Image& held = frmLogon->imgPic->image();
  ASSERT_EQ(size_of(held), "1024x768");
  EXPECT_EQ(differing(held, *decoded, 0, 0), 0);
}

// Shrunk, the background is its stretched copy; grown, the bands painted
// hold the pixels of the whole stretch at their places, cover the screen
// once, and leave nothing of the stretched size behind.
TEST(ScreenPictures, TheBackgroundPaintsTheSamePixelsAsTheWholeStretch) {
  for (const auto& [w, h] : {std::pair{1024, 768}, std::pair{2560, 1440}}) {
    SCOPED_TRACE(std::to_string(w) + "x" + std::to_string(h));
    Program p(w, h);
    p.s.desktop.keep_image_copies(true);
    const plat::Image want = image::scale_image(ui::load_picture_resource("WELCOME_BG"), w, h);
    frmWelcome->show();
    int rows = 0, wrong = 0;
    for (const sim::DrawOp& op : p.s.desktop.paint_now(frmWelcome->handle())) {
      if (op.kind != sim::DrawKind::Image || op.image_size.cx != w) continue;
      ASSERT_TRUE(op.image_copy);
      EXPECT_EQ(op.x, 0);
      EXPECT_EQ(op.y, rows) << "bands in order, without gaps";
      wrong += differing(*op.image_copy, want, op.x, op.y);
      rows += op.image_size.cy;
    }
    EXPECT_EQ(rows, h);
    EXPECT_EQ(wrong, 0);
    EXPECT_LE(frmWelcome->imgBG->held_pixels(), std::size_t{1920} * 1080);
  }
}

// The clock's minute changes: only the time's place is painted again, into
// a buffer of that size.
TEST(ScreenPictures, AClockChangePaintsOnlyItsPlace) {
  Program p(1920, 1080);
  p.s.desktop.set_local_time({2026, 6, 0, 5, 9, 5, 0, 0});
  frmLogon->show();
  p.s.desktop.advance(1000);  // the first tick writes both texts
  const ui::Label& time = *frmLogon->lblTime;
  const plat::RECT before{time.left(), time.top(), time.left() + time.width(), time.top() + time.height()};
  const int paints = p.s.desktop.paint_count(frmLogon->handle());
  p.s.desktop.set_local_time({2026, 6, 0, 5, 9, 6, 0, 0});
  p.s.desktop.advance(1000);
  ASSERT_EQ(time.caption(), "09:06");
  EXPECT_EQ(p.s.desktop.paint_count(frmLogon->handle()), paints + 1);
  const plat::RECT after{time.left(), time.top(), time.left() + time.width(), time.top() + time.height()};
  const plat::RECT both{std::min(before.left, after.left), std::min(before.top, after.top),
                        std::max(before.right, after.right), std::max(before.bottom, after.bottom)};
  EXPECT_EQ(p.s.desktop.window(frmLogon->handle()).last_paint_rect, both);
}

}  // namespace
