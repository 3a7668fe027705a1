#include "slide_pace.h"

#include <algorithm>
#include <chrono>
#include <limits>
#include <thread>
#include <vector>

#include "driver/x_windows.h"

namespace bench {

namespace {

using Clock = std::chrono::steady_clock;

// The slide moves 50 pixels a step. The drag sets the screen's top to the
// press's height within the 256-pixel band (196 here) plus the pointer's
// travel, so a 400-pixel drag leaves the top at -204, past the 128 pixels
// that open it, and leaves the screen's height less 204 to slide: more
// steps on a taller screen.
constexpr int kDrag = 400;
constexpr int kSlideStep = 50;

double median(std::vector<double> v) {
  if (v.empty()) return 0;
  std::sort(v.begin(), v.end());
  return v[v.size() / 2];
}

}  // namespace

std::optional<SlidePace> measure_slide_away(e2e::Session& s, std::string& why) {
  const e2e::ScreenSize screen = s.screen();
  const auto lock = e2e::find_x_window(s.x_windows(), "frmLogon");
  if (!lock) {
    why = "no lock screen on the screen";
    return std::nullopt;
  }
  const int x = screen.width / 2;
  s.input().drag({x, screen.height - 60}, {x, screen.height - 60 - kDrag}, 20);
  // Released now: the slide runs from the place the drag left it.
  struct Seen {
    Clock::time_point at;
    int y;
  };
  std::vector<Seen> seen;
  const auto deadline = Clock::now() + std::chrono::seconds(30);
  // The first place seen is where the release left it; each later one is a move.
  int last_y = std::numeric_limits<int>::min();
  while (Clock::now() < deadline) {
    const auto info = e2e::x_window_info(s.x(), lock->id);
    if (!info || !info->mapped) break;
    if (info->rect.y != last_y) {
      last_y = info->rect.y;
      seen.push_back({Clock::now(), last_y});
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(1));
  }
  if (seen.size() < 3) {
    why = "the slide showed " + std::to_string(seen.size()) + " places";
    return std::nullopt;
  }
  std::vector<double> ms, px;
  for (std::size_t i = 1; i < seen.size(); ++i) {
    ms.push_back(std::chrono::duration<double, std::milli>(seen[i].at - seen[i - 1].at).count());
    px.push_back(seen[i - 1].y - seen[i].y);
  }
  SlidePace pace;
  pace.steps = static_cast<int>(seen.size()) - 1;
  pace.expected_steps = (seen.front().y + screen.height + kSlideStep - 1) / kSlideStep;
  pace.ms_per_step = median(ms);
  pace.px_per_step = median(px);
  return pace;
}

}  // namespace bench
