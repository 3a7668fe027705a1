// The left-edge strip as a person works it, for the end-to-end groups: the
// pointer on the first column brings it in; a press on it, where
// composition is off (always under Wine), first warns "Aero is not
// enabled": the person lets go of the button and clicks the box's OK,
// and the strip and the window list are then at rest. A press also hides
// the browser frame, the only way the program has.
#pragma once

#include <expected>
#include <optional>
#include <string>

#include "driver/input.h"
#include "driver/session.h"

namespace e2e::strip {

// The strip waited for at the left edge (x 0), the pointer on column 0 at
// half the screen's height; it slides in 10 pixels a 50 ms tick.
std::expected<WinWindow, std::string> comes_in(Session& session);

// A press at `at`; the warning seen, the button let go and the box's OK
// clicked where it is drawn; then the window list hidden and the strip
// following the pointer again (off the edge it goes back to its rest).
std::expected<void, std::string> press(Session& session, Point at);

// Moves with the button held, in steps with time for the drag loop's
// 15 ms polls between them, and a pause at the end.
void drag_held(Session& session, Point from, Point to, int steps = 12);

}  // namespace e2e::strip
