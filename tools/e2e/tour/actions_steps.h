// The tour's screens of the icon bar's actions: the About splash over the
// desktop, the browser frame opened from the Start icon, the box of an
// icon whose screen does not exist yet, and Lock raising the lock screen
// again.
#pragma once

#include <vector>

#include "tour.h"

namespace tour {

std::vector<Step> actions_steps();

}  // namespace tour
