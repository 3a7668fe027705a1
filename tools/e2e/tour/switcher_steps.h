// The tour's switching screens: the strip slid in at the left edge, the
// compositor's answer to a press on it, the window list pulled out by a
// drag, and the settings dialog (which nothing in the program shows yet,
// so the tour shows it through the harness).
#pragma once

#include <vector>

#include "tour.h"

namespace tour {

std::vector<Step> switcher_steps();

}  // namespace tour
