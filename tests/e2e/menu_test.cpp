// The icon bar and the clock panel under Wine, as a person sees them: the
// pointer on the screen's last column brings the bar in with its icons
// and the panel, neither takes the activation, a click on the panel goes
// through to the window beneath, the pointer in the middle sends both
// away, and the bar's context menu ends the program.
//
// The lock screen stands in front of the panel after the start, so each
// run opens it first with a drag, as a person would.
#include <cstdio>
#include <expected>
#include <string>
#include <vector>

#include "driver/actions_menu.h"
#include "driver/paths.h"
#include "driver/screen_wait.h"
#include "driver/slatebar.h"
#include "driver/wait.h"
#include "e2e_test.h"

namespace e2e {
namespace {

using testing::E2eTest;
using namespace std::chrono_literals;

constexpr Point kPanelAt{211, 467};
// The design's client area; the panel's outer size adds Wine's frame.
constexpr int kPanelWidth = 460, kPanelHeight = 143;
constexpr Rgb kBeneathColour{0x20, 0x60, 0xC0};
// The bar's icons top to bottom, by the names of their design pictures.
const std::vector<std::string> kIconPictures = {"search", "share", "start", "connect", "settings"};

class Bar : public E2eTest {
 protected:
  std::optional<std::string> unavailable() const override { return slatebar::unavailable(); }

  int w() { return s().screen().width; }
  int h() { return s().screen().height; }
  Rect bar_columns() { return {w() - 54, 0, 48, h()}; }
  Rect edge_strip() { return {w() - 6, 0, 6, h()}; }
  std::vector<Rect> icon_boxes() {
    std::vector<Rect> out;
    const int centre_top = h() / 2 - 24;
    for (int k = -2; k <= 2; ++k) out.push_back({w() - 54, centre_top + 64 * k, 48, 48});
    return out;
  }

  std::optional<WinWindow> titled(std::string_view title) { return slatebar::titled(s(), title); }
  bool shown(std::string_view title) { return slatebar::shown(s(), title); }

  // Pushes the lock screen up and away from its bottom band, in small
  // steps with time for its tracking loop's polls, and waits until it and
  // the welcome screen behind it have gone.
  ::testing::AssertionResult unlock() {
    auto open = slatebar::unlock_started(s());
    if (!open) return ::testing::AssertionFailure() << open.error();
    return ::testing::AssertionSuccess();
  }

  // The icons' design pictures, decoded apart from the program, in the
  // order of kIconPictures.
  static std::expected<std::vector<Screenshot>, std::string> icon_pictures() {
    std::vector<Screenshot> out;
    for (const std::string& name : kIconPictures) {
      auto picture = Screenshot::decode(paths::source_dir() / "resources" / "pictures" / (name + ".jpg"), "", {48, 48});
      if (!picture) return std::unexpected(picture.error());
      out.push_back(std::move(*picture));
    }
    return out;
  }

  // Which picture each icon box shows, top to bottom: the name of the one
  // picture that nearly every pixel of the box matches, or "none". The
  // pictures share about 80 % of their pixels with each other (white
  // glyphs on black), so a box matches at most one of them.
  std::vector<std::string> icons_shown(const Screenshot& shot, const std::vector<Screenshot>& pictures) {
    std::vector<std::string> out;
    for (const Rect& box : icon_boxes()) {
      std::string seen = "none";
      for (std::size_t i = 0; i < pictures.size(); ++i) {
        if (shot.same_as(pictures[i].placed_at({box.x, box.y}), box) > 0.95) seen = kIconPictures[i];
      }
      out.push_back(seen);
    }
    return out;
  }

  bool bar_in(const Screenshot& shot) {
    if (!shot.all({w() - 54, 0, 48, 40}, near_black)) return false;
    for (const Rect& icon : icon_boxes()) {
      if (shot.fraction(icon, near_white) < 0.03) return false;
    }
    return true;
  }

  // The panel's design area, black with white figures.
  static bool panel_in(const Screenshot& shot) {
    return shot.fraction({kPanelAt.x, kPanelAt.y, kPanelWidth, kPanelHeight}, near_black) > 0.8 &&
           shot.fraction({kPanelAt.x + 80, kPanelAt.y + 16, 222, 117}, near_white) > 0.05;
  }

  // The rows of an open popup menu, top to bottom, as "text" and "line"
  // runs: three captions with a separator line between each two.
  static std::vector<std::string> menu_rows(const Screenshot& shot, Rect menu) {
    std::vector<std::string> runs;
    const Rect inner{menu.x + 3, menu.y + 3, menu.width - 6, menu.height - 6};
    auto grey = [](Rgb c) { return c.r >= 96 && c.r <= 200 && std::abs(c.r - c.g) < 12 && std::abs(c.r - c.b) < 12; };
    for (int y = inner.y; y < inner.bottom(); ++y) {
      const Rect row{inner.x, y, inner.width, 1};
      std::string kind;
      if (shot.fraction(row, grey) > 0.6) kind = "line";
      else if (shot.fraction(row, near_black) > 0.0) kind = "text";
      if (!kind.empty() && (runs.empty() || runs.back() != kind)) runs.push_back(kind);
    }
    return runs;
  }

  void slide_in_and_out();
};

void Bar::slide_in_and_out() {
  auto started = slatebar::start(s(), "bar-" + std::to_string(w()));
  ASSERT_TRUE(started) << started.error();
  ASSERT_TRUE(unlock());

  // Another program's window where the panel will stand, active: the one
  // a person would be working in.
  auto beneath = s().open_window(WindowSpec::of("BeneathThePanel", "Beneath")
                                     .at({150, 420, 700, 300})
                                     .frameless()
                                     .filled(kBeneathColour));
  ASSERT_TRUE(beneath) << beneath.error();
  ASSERT_TRUE(wait_until(5s, [&] {
    auto list = s().windows();
    return list && list->foreground == beneath->hwnd();
  })) << "the helper window did not become active";
  ASSERT_TRUE(wait_until(5s, [&] {
    auto bar = s().windows()->first_of_class(slatebar::kBarClass);
    return bar && bar->rect.x >= w();
  })) << "the bar did not go off-screen after the start";
  s().input().move_to({w() / 2, h() / 3});
  std::this_thread::sleep_for(300ms);
  auto before = s().screenshot();
  ASSERT_TRUE(before) << before.error();

  // In: the pointer on the last column.
  const auto t0 = Clock::now();
  s().input().move_to({w() - 1, h() / 3});
  auto in = wait_for_screen(s().x(), 2s, [&](const Screenshot& now) {
    return bar_in(now) && panel_in(now);
  });
  const auto in_ms = std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - t0).count();
  ASSERT_TRUE(in) << "the bar and its icons did not come in";
  std::printf("bar in with its icons and the panel after %lld ms at %dx%d\n", static_cast<long long>(in_ms), w(), h());

  // Each icon at its place shows its own picture, once they have flown in.
  auto pictures = icon_pictures();
  ASSERT_TRUE(pictures) << pictures.error();
  std::vector<std::string> icons;
  wait_until(10s, [&] {
    auto now = s().screenshot();
    icons = now ? icons_shown(*now, *pictures) : std::vector<std::string>{now.error()};
    return icons == kIconPictures;
  });
  EXPECT_EQ(icons, kIconPictures) << s().record("bar-icons").string();
  std::this_thread::sleep_for(300ms);
  auto shot = s().screenshot();
  ASSERT_TRUE(shot) << shot.error();

  // The bar's columns: black, with each icon's white pixels in its box.
  std::vector<Rect> black_bands;
  int y = 0;
  for (const Rect& icon : icon_boxes()) {
    black_bands.push_back({w() - 54, y, 48, icon.y - y});
    y = icon.bottom();
    EXPECT_GT(shot->fraction(icon, near_white), 0.03) << "no white at the icon " << icon;
  }
  black_bands.push_back({w() - 54, y, 48, h() - y});
  for (const Rect& band : black_bands) EXPECT_TRUE(shot->all(band, near_black)) << "not the bar's black at " << band;
  EXPECT_GT(shot->same_as(*before, edge_strip()), 0.99) << "the 6 columns at the edge changed";
  EXPECT_GT(shot->same_as(*before, {w() - 55, 0, 1, h()}), 0.99) << "the column left of the bar changed";

  // The panel: at its place, black with white figures, over the window
  // beneath and without its activation.
  auto list = s().windows();
  ASSERT_TRUE(list) << list.error();
  auto panel = titled("frmClock");
  ASSERT_TRUE(panel && panel->visible);
  EXPECT_EQ((Point{panel->rect.x, panel->rect.y}), kPanelAt);
  EXPECT_GE(panel->rect.width, kPanelWidth);
  EXPECT_GE(panel->rect.height, kPanelHeight);
  EXPECT_EQ(list->foreground, beneath->hwnd()) << "the bar or the panel took the activation";
  const Rect panel_rect{kPanelAt.x, kPanelAt.y, panel->rect.width, panel->rect.height};
  EXPECT_GT(shot->fraction(panel_rect, near_black), 0.8);
  EXPECT_GT(shot->fraction({kPanelAt.x + 80, kPanelAt.y + 16, 222, 117}, near_white), 0.05) << "no white time";
  EXPECT_GT(shot->fraction({kPanelAt.x + 304, kPanelAt.y + 40, 151, 78}, near_white), 0.03) << "no white date";
  EXPECT_GT(shot->same_as(*before, {kPanelAt.x - 1, kPanelAt.y, 1, kPanelHeight}), 0.99);

  // A click on the panel reaches the window beneath it.
  const std::size_t presses = beneath->count("lbuttondown");
  s().input().click_at({kPanelAt.x + 150, kPanelAt.y + 70});
  auto press = beneath->wait_event("lbuttondown", 3s, presses);
  ASSERT_TRUE(press) << "the click stayed on the panel";
  ASSERT_EQ(press->values.size(), 2u);
  EXPECT_EQ((Point{press->values[0], press->values[1]}), (Point{kPanelAt.x + 150, kPanelAt.y + 70}));

  // Out: the pointer in the middle.
  const auto t1 = Clock::now();
  s().input().move_to({w() / 2, h() / 3});
  auto out = wait_for_screen(s().x(), 2s, [&](const Screenshot& now) {
    return now.same_as(*before, bar_columns()) > 0.99 && now.fraction(panel_rect, near_to(kBeneathColour)) > 0.95;
  });
  const auto out_ms = std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - t1).count();
  ASSERT_TRUE(out) << "the bar or the panel stayed";
  std::printf("bar out and panel hidden after %lld ms\n", static_cast<long long>(out_ms));
  EXPECT_FALSE(shown("frmClock"));

  // The context menu: a right click on the bar opens About..., Lock and
  // Exit with separators between them; Exit ends the program with 0.
  s().input().move_to({w() - 1, h() / 3});
  ASSERT_TRUE(wait_until(2s, [&] {
    auto now = s().screenshot();
    return now && bar_in(*now);
  }));
  s().input().move_to({w() - 30, 20});
  s().input().click(Button::Right);
  auto menu = wait_until(3s, [&]() -> std::optional<WinWindow> {
    auto l = s().windows();
    if (!l) return std::nullopt;
    auto m = l->first_of_class("#32768");
    if (m && m->visible) return m;
    return std::nullopt;
  });
  ASSERT_TRUE(menu) << "no menu opened";
  // Off the menu, so that no item is highlighted, and still on the bar.
  s().input().move_to({w() - 30, menu->rect.bottom() + 40});
  const std::vector<std::string> kRows{"text", "line", "text", "line", "text"};
  std::vector<std::string> rows;
  wait_until(5s, [&] {
    auto menu_shot = s().screenshot();
    rows = menu_shot ? menu_rows(*menu_shot, menu->rect) : std::vector<std::string>{menu_shot.error()};
    return rows == kRows;
  });
  EXPECT_EQ(rows, kRows);
  ASSERT_TRUE(actions::choose_in(s(), *menu, actions::kExit));
  const auto status = started->process->wait_exit(20s);
  ASSERT_TRUE(status) << "the program runs on after Exit";
  EXPECT_TRUE(status->exited_with(0)) << *status;
}

TEST_F(Bar, SlidesInAndOutWithThePanelAt1024x768) { slide_in_and_out(); }

TEST_F(Bar, SlidesInAndOutWithThePanelAt1280x1024) {
  ASSERT_TRUE(resize({1280, 1024, 24}));
  slide_in_and_out();
}

}  // namespace
}  // namespace e2e
