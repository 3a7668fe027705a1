// The lock screen's slide-away as a person sees it: the X window's place
// sampled from outside while it slides, each move one step.
#pragma once

#include <optional>
#include <string>

#include "driver/session.h"

namespace bench {

struct SlidePace {
  int steps = 0;              // moves seen
  int expected_steps = 0;     // from the travel left at the release
  double ms_per_step = 0;     // median time between two moves
  double px_per_step = 0;     // median distance of one move
};

// Drags the lock screen 400 pixels up from its bottom band, far enough
// to open it, and watches it slide off; nothing when it was not seen.
std::optional<SlidePace> measure_slide_away(e2e::Session& s, std::string& why);

}  // namespace bench
