// The tour's lock-screen screens: the screen half pushed up during a drag,
// the welcome screen with the user's picture and name, and the free
// desktop after it.
#pragma once

#include <vector>

#include "tour.h"

namespace tour {

std::vector<Step> lock_steps();

}  // namespace tour
