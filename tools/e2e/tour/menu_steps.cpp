#include "menu_steps.h"

#include <cstdio>
#include <optional>
#include <thread>

#include "driver/input.h"
#include "driver/wait.h"

namespace tour {

namespace {

using namespace std::chrono_literals;

constexpr e2e::Rect kPanelDesign{211, 467, 460, 143};

// The pointer on the screen's last column: the bar slides in, its icons
// fly in from the middle outward, and the clock panel comes up.
std::expected<void, std::string> bar_in(Context& context) {
  if (auto ready = unlocked(context, "tour-bar"); !ready) return ready;
  e2e::Session& session = context.session;
  const e2e::ScreenSize size = session.screen();
  session.input().move_to({size.width - 1, size.height / 3});
  const auto in = e2e::wait_until(5s, [&] {
    auto shot = session.screenshot();
    if (!shot) return false;
    const int icons_top = size.height / 2 - 24 - 128;
    return shot->all({size.width - 54, 0, 48, 40}, e2e::near_black) &&
           shot->fraction({size.width - 54, icons_top, 48, 48}, e2e::near_white) > 0.03 &&
           shot->fraction({size.width - 54, icons_top + 256, 48, 48}, e2e::near_white) > 0.03 &&
           shot->fraction(kPanelDesign, e2e::near_black) > 0.8;
  });
  if (!in) return std::unexpected("the bar, its icons or the clock panel did not come in");
  auto shot = context.shoot("07a-bar-in");
  if (!shot) return std::unexpected(shot.error());
  return {};
}

// The pointer in the middle: the bar slides out and the panel goes.
std::expected<void, std::string> bar_out(Context& context) {
  e2e::Session& session = context.session;
  const e2e::ScreenSize size = session.screen();
  session.input().move_to({size.width / 2, size.height / 3});
  const auto out = e2e::wait_until(5s, [&] {
    auto shot = session.screenshot();
    return shot && !shot->all({size.width - 54, 0, 48, 40}, e2e::near_black) &&
           shot->fraction(kPanelDesign, e2e::near_black) < 0.5;
  });
  // No shot: what is left is the browser frame, blank under Wine.
  if (!out) return std::unexpected("the bar or the clock panel stayed");
  return {};
}

}  // namespace

std::vector<Step> menu_steps() {
  return {
      {"07a-bar-in", "the icon bar slid in at the right edge, its icons flown in, and the clock panel", bar_in},
      {"07b-bar-out", "the bar slid out again and the clock panel gone (no shot: the frame beneath is blank)",
       bar_out},
  };
}

}  // namespace tour
