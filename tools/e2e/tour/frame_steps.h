// The tour's browser-frame screens: the frame on the free desktop with its
// location bar shown at the bottom edge and hidden again, and the start
// page as a real browser draws it (Wine has no HTML engine here).
#pragma once

#include <vector>

#include "tour.h"

namespace tour {

std::vector<Step> frame_steps();

// The browser frame's location bar is up along the bottom edge: its black,
// with the back arrow's white on it.
bool location_bar_up(e2e::Session& session);

}  // namespace tour
