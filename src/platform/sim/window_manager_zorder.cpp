// Raising a window with its owners and owned windows, and the topmost
// band.
//
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
#include "platform/sim/window_manager.h"

namespace sim {

// Without SWP_NOOWNERZORDER the owners come along: each goes to the top
// of its band first, from the farthest one down, so that the window
// raised ends in front of them, its owner right behind it (SetWindowPos,
// SWP_NOOWNERZORDER: "Does not change the owner window's position").
void WindowManager::raise(HWND hwnd, OwnedWindows owned) {
  const Window* w = find(hwnd);
  if (!w) return;
  if (owned == OwnedWindows::Follow && w->top_level()) raise_owners(w->owner, 0);
  raise_with_owned(hwnd, owned);
}

void WindowManager::raise_owners(HWND owner, std::size_t depth) {
  const Window* o = find(owner);
  if (!o || !o->top_level() || depth >= kOwnerChainLimit) return;
  raise_owners(o->owner, depth + 1);
  // The others of its band that stood in front of it go behind it, the
  // nearest first, keeping their order: the same order as raising it and
  // then its own windows again, and without a list (the pointer watch
  // raises forms 40 times a second and must not allocate).
  const bool band = z_.topmost(owner);
  for (HWND h = z_.prev(owner); h && z_.topmost(h) == band;) {
    const HWND in_front = z_.prev(h);
    if (!owned_by(h, owner)) z_.place_after(h, owner);
    h = in_front;
  }
}

bool WindowManager::owned_by(HWND hwnd, HWND owner) const {
  std::size_t depth = 0;
  for (const Window* w = find(hwnd); w && w->owner && depth < kOwnerChainLimit; w = find(w->owner), ++depth) {
    if (w->owner == owner) return true;
  }
  return false;
}

void WindowManager::raise_with_owned(HWND hwnd, OwnedWindows owned) {
  Window* w = find(hwnd);
  if (!w) return;
  if (w->top_level()) {
    // The ordinary windows it owns that stood in front of it in its band
    // come along and stay in front of it, in their order.
    std::vector<HWND> in_front;
    if (owned == OwnedWindows::Follow && !z_.topmost(hwnd)) {
      for (HWND h : z_.order()) {
        if (h == hwnd) break;
        const Window* o = find(h);
        if (o && o->owner == hwnd && !z_.topmost(h)) in_front.push_back(h);
      }
    }
    z_.to_top(hwnd);
    for (auto it = in_front.rbegin(); it != in_front.rend(); ++it) raise_with_owned(*it, owned);
  } else if (Window* p = find(w->parent)) {
    std::erase(p->children, hwnd);
    p->children.insert(p->children.begin(), hwnd);
  }
}

// "When a non-topmost window is made topmost, its owned windows are also
// made topmost. Its owners, however, are not changed" (SetWindowPos,
// Remarks). The owned ones go up after it, keeping their order, so they
// stay in front of it.
void WindowManager::make_topmost_with_owned(HWND hwnd) {
  const bool was_topmost = z_.topmost(hwnd);
  z_.make_topmost(hwnd);
  if (was_topmost) return;
  // From the back, each goes in front of those moved before it; windows
  // already moved are topmost and passed over.
  for (HWND h = z_.last(); h;) {
    const HWND in_front = z_.prev(h);
    const Window* o = find(h);
    if (o && o->owner == hwnd && !z_.topmost(h)) {
      make_topmost_with_owned(h);
      if (Window* moved = find(h)) sync_topmost(*moved);
    }
    h = in_front;
  }
}

void WindowManager::sync_topmost(Window& w) {
  if (!w.top_level()) return;
  if (z_.topmost(w.hwnd)) {
    w.ex_style |= plat::WS_EX_TOPMOST;
  } else {
    w.ex_style &= ~plat::WS_EX_TOPMOST;
  }
}

// The place to insert at: one of the special places, or a window at the
// same level (top-level or child) as the one that moves.
bool WindowManager::can_insert_after(HWND hwnd, HWND after, UINT flags) const {
  const Window* w = find(hwnd);
  if (!w) return false;
  if (flags & plat::SWP_NOZORDER) return true;
  if (after == plat::HWND_TOP || after == plat::HWND_BOTTOM || after == plat::HWND_TOPMOST ||
      after == plat::HWND_NOTOPMOST) {
    return true;
  }
  const Window* a = find(after);
  return a && a->top_level() == w->top_level();
}

HWND WindowManager::root_owner(HWND hwnd) const {
  HWND root = hwnd;
  std::size_t depth = 0;
  for (const Window* w = find(hwnd); w && w->owner && depth < kOwnerChainLimit; w = find(w->owner), ++depth) {
    if (!find(w->owner)) break;
    root = w->owner;
  }
  return root;
}

void WindowManager::leave_topmost_band_with_group(HWND hwnd) {
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

void WindowManager::set_band_place(Window& w, HWND after) {
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
