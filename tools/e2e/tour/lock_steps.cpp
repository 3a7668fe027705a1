#include "lock_steps.h"

#include <filesystem>
#include <fstream>
#include <optional>
#include <thread>

#include "driver/bitmap_file.h"
#include "driver/input.h"
#include "driver/wait.h"

namespace tour {

namespace {

using namespace std::chrono_literals;
namespace fs = std::filesystem;

// The account picture as the accounts panel would leave it: a bitmap under
// the user's name in the temporary folder. A face-like disc on a light
// square, so that the welcome screen shows something recognisable.
std::vector<char> account_picture(int side) {
  const double c = side / 2.0;
  return e2e::bitmap_file(side, side, [&](int x, int y) {
    const double dx = x - c, head_dy = y - side * 0.375, body_dy = y - side * 0.9;
    const bool head = dx * dx + head_dy * head_dy < (side * 0.22) * (side * 0.22);
    const bool body = y > side * 0.5 && dx * dx + body_dy * body_dy < (side * 0.4) * (side * 0.4);
    return head || body ? e2e::Rgb{0x40, 0x60, 0x90} : e2e::Rgb{0xD0, 0xD8, 0xE8};
  });
}

// The lock screen, pushed up by half the screen with the button still
// held. The program is started afresh with the account picture in place,
// so that the welcome screen beneath has the user's picture.
std::expected<void, std::string> drag_screen(Context& context) {
  e2e::Session& session = context.session;
  if (auto ended = session.end_wine(); !ended) return std::unexpected(ended.error());
  if (auto placed = e2e::place_account_picture(session, account_picture(126)); !placed) return placed;
  auto started = e2e::slatebar::start(session, "tour-lock");
  std::error_code ignored;
  fs::remove(e2e::account_picture_path(session), ignored);
  if (!started) return std::unexpected(started.error());
  context.program = std::move(*started);
  if (!e2e::wait_until(20s, [&] { return e2e::slatebar::titled(session, "frmLogon").has_value(); })) {
    return std::unexpected("no lock screen window");
  }
  std::this_thread::sleep_for(1500ms);

  const e2e::ScreenSize size = session.screen();
  const e2e::Point from{size.width / 2, size.height - 60};
  session.input().move_to(from);
  std::this_thread::sleep_for(200ms);
  session.input().press(e2e::Button::Left);
  for (int i = 1; i <= 20; ++i) {
    session.input().move_to({from.x, from.y - size.height / 2 * i / 20});
    std::this_thread::sleep_for(30ms);
  }
  std::this_thread::sleep_for(500ms);
  auto shot = session.screenshot();
  if (!shot) return std::unexpected(shot.error());
  if (auto kept = context.keep("02-lock-drag", *shot); !kept) return std::unexpected(kept.error());
  return {};
}

// Released high enough, the lock screen slides away and the welcome
// screen greets for half a second: shot once "Welcome" has come under the
// name, or at least once the lock screen has gone from its top rows.
std::expected<void, std::string> welcome_screen(Context& context) {
  e2e::Session& session = context.session;
  session.input().release(e2e::Button::Left);
  const e2e::ScreenSize size = session.screen();
  const e2e::Rect top_rows{0, 0, size.width - 80, 8};
  const e2e::Rect greeting = e2e::slatebar::welcome_greeting(size);
  const auto purple = e2e::near_to({37, 9, 49}, 40);
  std::optional<e2e::Screenshot> best;
  e2e::wait_until(5s, [&] {
    auto rows = e2e::Screenshot::capture(session.x(), top_rows);
    if (!rows || rows->fraction(top_rows, purple) < 0.5) return false;
    if (!best) {
      if (auto shot = session.screenshot()) best = std::move(*shot);
    }
    auto text = e2e::Screenshot::capture(session.x(), greeting);
    if (!text || text->fraction(greeting, e2e::near_white) < 0.05) return false;
    if (auto shot = session.screenshot()) best = std::move(*shot);
    return true;
  }, 5ms);
  if (!best) return std::unexpected("the welcome screen was not seen");
  if (auto kept = context.keep("03-welcome", *best); !kept) return std::unexpected(kept.error());
  return {};
}

// The welcome screen hides itself half a second after the lock screen has
// gone; what the user then has is the screens beneath.
std::expected<void, std::string> free_desktop(Context& context) {
  auto gone = e2e::wait_until(10s, [&] {
    auto w = e2e::slatebar::titled(context.session, "frmWelcome");
    return w && !w->visible;
  });
  // No shot: what is left is the browser frame, blank under Wine.
  if (!gone) return std::unexpected("the welcome screen stayed");
  return {};
}

}  // namespace

std::vector<Step> lock_steps() {
  return {
      {"02-lock-drag", "the lock screen half pushed up during a drag", drag_screen},
      {"03-welcome", "the welcome screen with the user's picture and name", welcome_screen},
      {"04-desktop", "the welcome screen gone (no shot: the browser frame beneath is blank under Wine)",
       free_desktop},
  };
}

}  // namespace tour
