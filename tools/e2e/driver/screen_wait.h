// Waiting on what the screen shows: for something to appear, or for the
// screen to stop changing (after a start, a slide or a fade a person looks
// once things are still, and so does a screenshot).
#pragma once

#include <chrono>
#include <expected>
#include <functional>
#include <optional>
#include <string>

#include "driver/screenshot.h"
#include "driver/x_connection.h"

namespace e2e {

// The first look at the whole screen in which `shows` holds, or nothing
// when none did within `timeout`.
std::optional<Screenshot> wait_for_screen(const XConnection& x, std::chrono::milliseconds timeout,
                                          const std::function<bool(const Screenshot&)>& shows);

// The fraction of pixels that differ between two captures of one size.
double changed_fraction(const Screenshot& a, const Screenshot& b);

// A capture once the screen has changed by at most `tolerance` (a fraction
// of its pixels, for a blinking caret or a ticking clock) over `still`.
std::expected<Screenshot, std::string> wait_until_still(const XConnection& x,
                                                        std::chrono::milliseconds still = std::chrono::seconds{1},
                                                        std::chrono::milliseconds timeout = std::chrono::seconds{15},
                                                        double tolerance = 0.001);

}  // namespace e2e
