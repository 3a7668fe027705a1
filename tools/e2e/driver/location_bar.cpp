#include "driver/location_bar.h"

namespace e2e::location_bar {

bool shown(const Screenshot& shot, ScreenSize size) {
  const int top = size.height - kHeight;
  const Rect back = back_arrow(size), forward = forward_arrow(size);
  const Rect above_address{kBackLeft + kArrow + 4, top, kForwardLeft - kBackLeft - kArrow - 8, 6};
  const Rect right_of_forward{kForwardLeft + kArrow + 4, top, size.width - kForwardLeft - kArrow - 4, 6};
  return shot.fraction(back, near_white) > 0.12 && shot.fraction(forward, near_white) > 0.12 &&
         shot.fraction(back, near_black) > 0.3 && shot.fraction(forward, near_black) > 0.3 &&
         shot.all(above_address, near_black) && shot.all(right_of_forward, near_black);
}

bool gone(const Screenshot& shot, ScreenSize size) {
  return shot.fraction({0, size.height - kHeight, size.width, kHeight}, near_black) < 0.2;
}

}  // namespace e2e::location_bar
