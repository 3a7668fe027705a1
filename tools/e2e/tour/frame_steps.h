// The tour's browser-frame screens: the frame on the free desktop with its
// location bar shown at the bottom edge and hidden again, and the start
// page as a real browser draws it (Wine has no HTML engine here).
#pragma once

#include <vector>

#include "tour.h"

namespace tour {

std::vector<Step> frame_steps();

}  // namespace tour
