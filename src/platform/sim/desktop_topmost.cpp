// SetWindowPos's places that change a window's band, and what the change
// does to the rest of its owner group: every window owned, directly or
// not, by the same window at the top of the owner chain.
//
// Taking a window out of the topmost band takes its whole owner group out
// with it: its owners, the windows they own and the windows those own, as
// Windows 8 and later do (a cousin loses the band too when a window with
// no band of its own is given HWND_NOTOPMOST). Where the group's windows
// land in the ordinary band no test shows; they keep their order at its
// top, as one window given HWND_NOTOPMOST lands there.
#include "platform/sim/desktop.h"

namespace sim {

HWND Desktop::root_owner(HWND hwnd) const {
  HWND root = hwnd;
  std::size_t depth = 0;
  for (const Window* w = find(hwnd); w && w->owner && depth < kOwnerChainLimit; w = find(w->owner), ++depth) {
    if (!find(w->owner)) break;
    root = w->owner;
  }
  return root;
}

void Desktop::leave_topmost_band_with_group(HWND hwnd) {
  const HWND root = root_owner(hwnd);
  // From the lowest up, each to the top of the ordinary band, so that the
  // group keeps its order there.
  for (HWND h = z_.last(); h;) {
    const HWND in_front = z_.prev(h);
    if (z_.topmost(h) && (h == root || owned_by(h, root))) {
      z_.make_notopmost(h);
      if (Window* moved = find(h)) sync_topmost(*moved);
    }
    h = in_front;
  }
}

void Desktop::set_band_place(Window& w, HWND after) {
  const HWND hwnd = w.hwnd;
  const bool was_topmost = z_.topmost(hwnd);
  if (after == plat::HWND_TOPMOST) {
    make_topmost_with_owned(hwnd);
  } else if (after == plat::HWND_NOTOPMOST) {
    // Even a window with no band of its own takes the rest of its group
    // out of the band.
    leave_topmost_band_with_group(hwnd);
  } else if (after == plat::HWND_BOTTOM) {
    if (was_topmost) leave_topmost_band_with_group(hwnd);
    z_.to_bottom(hwnd);
  } else {
    z_.place_after(hwnd, after);
    if (was_topmost && !z_.topmost(hwnd)) leave_topmost_band_with_group(hwnd);
  }
  if (Window* still = find(hwnd)) sync_topmost(*still);
}

}  // namespace sim
