// The tour's icon bar screens: the bar slid in at the right edge with its
// icons and the clock panel, and the screen once both have gone again.
#pragma once

#include <vector>

#include "tour.h"

namespace tour {

std::vector<Step> menu_steps();

}  // namespace tour
