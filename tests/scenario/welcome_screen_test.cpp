// The welcome screen: its place beneath the lock screen, the picture and
// labels placed from the screen's size, the stretched background, and the
// greeting's timing after each unlock.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "forms/settings/settings.h"
#include "forms/welcome/welcome.h"
#include "support/lock_fixture.h"
#include "support/sim_app.h"
#include "ui/label.h"
#include "ui/picture.h"
#include "ui/timer.h"

namespace {

using lock_test::in_pics;
using lock_test::same_sequence;

std::string at(const ui::Control& c) { return c.name() + " " + std::to_string(c.left()) + "," + std::to_string(c.top()); }

struct Program {
  explicit Program(int w = 1024, int h = 768) : s({.screen_width = w, .screen_height = h}) {
    s.app->set_title("Slatebar");
    s.app->create_form(frmSetting);
    s.app->create_form(frmWelcome);
  }
  support::SimApp s;
};

TEST(WelcomeScreen, PlacesPictureAndLabelsFromTheScreenSize) {
  struct Case {
    int w, h;
    std::vector<std::string> places;
  };
  const Case cases[] = {
      {1024, 768, {"imgProfilePic 449,192", "lblUserName 579,192", "lblWelcome 579,232"}},
      {1920, 1080, {"imgProfilePic 897,270", "lblUserName 1027,270", "lblWelcome 1027,310"}},
      {1366, 768, {"imgProfilePic 620,192", "lblUserName 750,192", "lblWelcome 750,232"}},
      // Odd sizes: the halves and quarters drop their fractions.
      {801, 603, {"imgProfilePic 337,150", "lblUserName 467,150", "lblWelcome 467,190"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(c.w) + "x" + std::to_string(c.h));
    Program p(c.w, c.h);
    EXPECT_TRUE(same_sequence(c.places, {at(*frmWelcome->imgProfilePic), at(*frmWelcome->lblUserName),
                                         at(*frmWelcome->lblWelcome)}));
    EXPECT_EQ(p.s.desktop.window(frmWelcome->handle()).bounds, (plat::RECT{0, 0, c.w, c.h}));
    EXPECT_EQ(frmWelcome->imgBG->width(), c.w);
    EXPECT_EQ(frmWelcome->imgBG->height(), c.h);
    EXPECT_TRUE(frmWelcome->imgProfilePic->image().empty());
  }
}

TEST(WelcomeScreen, IsATopmostOpaquePurpleOverlayThatWaits) {
  Program p;
  const sim::Window& w = p.s.desktop.window(frmWelcome->handle());
  EXPECT_FALSE(w.visible());
  EXPECT_EQ(w.style & plat::WS_CAPTION, 0u);
  const plat::DWORD ex = plat::WS_EX_LAYERED | plat::WS_EX_TOOLWINDOW | plat::WS_EX_TOPMOST;
  EXPECT_EQ(w.ex_style & ex, ex);
  EXPECT_EQ(w.layered_alpha, 255);
  EXPECT_EQ(w.layered_flags, plat::LWA_ALPHA);
  EXPECT_EQ(frmWelcome->color(), 0x00310925u);
  EXPECT_EQ(frmWelcome->form_style(), ui::FormStyle::Normal);
  EXPECT_EQ(frmWelcome->lblUserName->caption(), "Guest");
  EXPECT_FALSE(frmWelcome->lblWelcome->visible());
  EXPECT_FALSE(frmWelcome->tmrAnimation->enabled());
  EXPECT_EQ(frmWelcome->tmrAnimation->interval(), 250u);
}

// "Welcome" is never hidden again: the first unlock greets for 250 ms,
// every later one finds the greeting showing and hides at the first tick.
TEST(WelcomeScreen, GreetsAfterTheFirstUnlockAndHidesEarlierLater) {
  Program p;
  struct Step {
    sim::Millis after;  // since the unlock
    bool screen_visible;
    bool greeting_visible;
    bool timer_enabled;
  };
  const std::vector<Step> first = {
      {249, true, false, true}, {250, true, true, true}, {499, true, true, true}, {500, false, true, false}};
  const std::vector<Step> later = {{249, true, true, true}, {250, false, true, false}, {1000, false, true, false}};
  for (const auto* unlock : {&first, &later, &later}) {
    SCOPED_TRACE(unlock == &first ? "first unlock" : "later unlock");
    frmWelcome->show();
    frmWelcome->tmrAnimation->set_enabled(true);
    sim::Millis elapsed = 0;
    for (const Step& s : *unlock) {
      SCOPED_TRACE(s.after);
      p.s.desktop.advance(s.after - elapsed);
      elapsed = s.after;
      EXPECT_EQ(plat::os().IsWindowVisible(frmWelcome->handle()) != 0, s.screen_visible);
      EXPECT_EQ(frmWelcome->lblWelcome->visible(), s.greeting_visible);
      EXPECT_EQ(frmWelcome->tmrAnimation->enabled(), s.timer_enabled);
    }
  }
}

// A picture larger than designed keeps its corner and reaches under the
// labels, which paint over it.
TEST(WelcomeScreen, ABigPictureKeepsItsCornerAndLiesUnderTheLabels) {
  Program p;
  p.s.desktop.files().write_file(in_pics("user.bmp"), support::tiny_bitmap(200, 200));
  frmWelcome->imgProfilePic->load_bitmap(in_pics("user.bmp"));
  frmWelcome->lblWelcome->show();
  frmWelcome->show();
  std::vector<std::string> drawn;
  for (const std::string& op : sim::describe(p.s.desktop.paint_now(frmWelcome->handle()))) {
    if (!op.starts_with("fill")) drawn.push_back(op);
  }
  EXPECT_TRUE(same_sequence(
      {
          "image 1024x768 at 0,0 clip 0,0,1024,768",
          "image 200x200 at 449,192 clip 449,192,649,392",
          R"(text "Guest" Tahoma -16 bold 0x00FFFFFF 579,192,619,211)",
          R"(text "Welcome" Tahoma -21 bold 0x00FFFFFF 579,232,656,257)",
      },
      drawn));
}

// The 1920 x 1080 background is scaled to the client area once per size,
// not on every paint.
TEST(WelcomeScreen, ScalesTheBackgroundOncePerSize) {
  Program p;
  p.s.desktop.keep_image_copies(false);
  frmWelcome->show();
  auto background = [&] {
    const sim::Recording& r = p.s.desktop.paint_now(frmWelcome->handle());
    for (const sim::DrawOp& op : r) {
      if (op.kind == sim::DrawKind::Image) return std::pair{op.image, op.image_size};
    }
    return std::pair<const plat::Image*, plat::SIZE>{nullptr, {}};
  };
  const auto first = background();
  ASSERT_NE(first.first, nullptr);
  EXPECT_EQ(first.second, (plat::SIZE{1024, 768}));
  // A new scaling would hand over a new pixel buffer.
  const std::uint32_t* first_pixels = first.first->pixels.data();
  const auto second = background();
  EXPECT_EQ(second.first, first.first);
  EXPECT_EQ(second.first->pixels.data(), first_pixels) << "scaled again for the same size";
  frmWelcome->set_bounds(0, 0, 800, 600);
  const auto resized = background();
  EXPECT_EQ(resized.second, (plat::SIZE{800, 600}));
  // Lighter towards the centre, darkest at the corners.
  const plat::Image& img = *resized.first;
  auto lightness = [](std::uint32_t px) { return plat::red_of(px) + plat::green_of(px) + plat::blue_of(px); };
  EXPECT_GT(lightness(img.at(400, 300)), lightness(img.at(0, 0)));
  EXPECT_GT(lightness(img.at(400, 300)), lightness(img.at(799, 599)));
}

}  // namespace
