#include "frame_steps.h"

#include <cstdio>
#include <cstdlib>
#include <thread>

#include "driver/input.h"
#include "driver/location_bar.h"
#include "driver/paths.h"
#include "driver/wait.h"

namespace tour {

namespace {

using namespace std::chrono_literals;
namespace fs = std::filesystem;

using e2e::slatebar::form;

// The bottom rows only: a look at the bar costs a small capture.
std::optional<e2e::Screenshot> bottom_rows(e2e::Session& session) {
  const e2e::ScreenSize size = session.screen();
  const int height = e2e::location_bar::kHeight;
  auto shot = e2e::Screenshot::capture(session.x(), {0, size.height - height, size.width, height});
  if (!shot) return std::nullopt;
  return std::move(*shot);
}

}  // namespace

bool location_bar_up(e2e::Session& session) {
  auto rows = bottom_rows(session);
  return rows && e2e::location_bar::shown(*rows, session.screen());
}

namespace {

bool bar_gone(e2e::Session& session) {
  auto rows = bottom_rows(session);
  return rows && e2e::location_bar::gone(*rows, session.screen());
}

std::expected<void, std::string> bar_shown(Context& context) {
  if (auto ready = unlocked(context, "tour-frame"); !ready) return ready;
  e2e::Session& session = context.session;
  const e2e::ScreenSize size = session.screen();
  session.input().move_to({size.width / 2, size.height - 1});
  if (!e2e::wait_until(3s, [&] { return location_bar_up(session); })) return std::unexpected("the location bar did not come up");
  auto shot = context.shoot("05-frame-location-bar");
  if (!shot) return std::unexpected(shot.error());
  return {};
}

std::expected<void, std::string> bar_hidden(Context& context) {
  e2e::Session& session = context.session;
  const e2e::ScreenSize size = session.screen();
  session.input().move_to({size.width / 2, size.height / 2});
  // No shot: without the location bar the frame is blank under Wine.
  if (!e2e::wait_until(3s, [&] { return bar_gone(session); })) return std::unexpected("the location bar stayed");
  return {};
}

// Drawn by Debian's chromium at the tour's screen size, from the
// distributable folder the program runs from.
std::expected<void, std::string> start_page(Context& context) {
  const e2e::ScreenSize size = context.session.screen();
  const fs::path page = e2e::paths::dist_dir() / "menu" / "index.htm";
  const fs::path out = context.out_dir / "07-start-page.png";
  std::error_code ignored;
  fs::remove(out, ignored);
  const std::string command = "timeout 60 chromium --headless --no-sandbox --disable-gpu --hide-scrollbars "
                              "--window-size=" + std::to_string(size.width) + "," + std::to_string(size.height) +
                              " --screenshot='" + out.string() + "' 'file://" + page.string() + "' >/dev/null 2>&1";
  const int status = std::system(command.c_str());
  if (status != 0 || !fs::exists(out)) return std::unexpected("chromium did not draw " + page.string());
  context.shots.push_back(out);
  return {};
}

}  // namespace

std::vector<Step> frame_steps() {
  return {
      {"05-frame-location-bar", "the browser frame after unlocking, its location bar at the bottom edge", bar_shown},
      {"06-frame", "the location bar gone again (no shot: the frame is blank under Wine)", bar_hidden},
      {"07-start-page", "the start page as a real browser draws it", start_page},
  };
}

}  // namespace tour
