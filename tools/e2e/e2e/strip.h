// The left-edge strip as a person works it, for the end-to-end groups: the
// pointer on the first column brings it in; a press on it, where
// composition is off (always under Wine), first warns "Aero is not
// enabled", which the person answers with Return while still holding the
// button; a drag with the button held then pulls the window list out.
// A press also hides the browser frame, the only way the program has.
#pragma once

#include <expected>
#include <memory>
#include <optional>
#include <string>

#include "e2e/input.h"
#include "e2e/session.h"

namespace e2e::strip {

// The strip waited for at the left edge (x 0), the pointer on column 0 at
// half the screen's height; it slides in 10 pixels a 50 ms tick.
std::expected<WinWindow, std::string> comes_in(Session& session);

// A press at `at`, the warning answered while the button stays down; the
// hold is given back for the drag.
std::expected<std::unique_ptr<ButtonHold>, std::string> press(Session& session, Point at);

// Moves with the button held, in steps with time for the drag loop's
// 15 ms polls between them, and a pause at the end.
void drag_held(Session& session, Point from, Point to, int steps = 12);

}  // namespace e2e::strip
