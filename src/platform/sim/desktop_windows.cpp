// Windows: creation and destruction, visibility, position, z-order,
// styles, layered attributes, texts and the desktop's window tree.
#include <algorithm>

#include "platform/sim/desktop.h"

namespace sim {
Window* Desktop::find_or_fail(HWND hwnd) {
  Window* w = find(hwnd);
  if (!w) fail(ERROR_INVALID_WINDOW_HANDLE);
  return w;
}

FrameInsets Desktop::insets_of(const Window& w) const { return frame_insets(metrics_, w.style, w.ex_style, false); }

RECT Desktop::screen_bounds(const Window& w) const {
  if (w.top_level()) return w.bounds;
  const Window* p = find(w.parent);
  if (!p) return w.bounds;
  const RECT pr = screen_bounds(*p);
  const FrameInsets in = insets_of(*p);
  const LONG dx = pr.left + in.left;
  const LONG dy = pr.top + in.top;
  return {w.bounds.left + dx, w.bounds.top + dy, w.bounds.right + dx, w.bounds.bottom + dy};
}

HWND Desktop::create_window(const plat::WindowParams& params, plat::WindowSink* sink) {
  Window w;
  w.name = !params.name.empty() ? params.name : !params.class_name.empty() ? params.class_name : "window";
  // The Windows backend's ordinary form class.
  w.class_name = params.class_name.empty() ? "SlatebarForm" : params.class_name;
  w.title = params.caption;
  w.style = params.style;
  w.ex_style = params.ex_style;
  w.bounds = params.bounds;
  w.owner = params.owner;
  w.parent = params.parent;
  w.sink = sink;
  w.dirty = w.visible();
  if (w.parent && !find(w.parent)) {
    fail(ERROR_INVALID_WINDOW_HANDLE);
    return 0;
  }
  Window& added = windows_.add(std::move(w));
  const HWND hwnd = added.hwnd;
  if (added.parent) {
    auto& siblings = find(added.parent)->children;
    siblings.insert(siblings.begin(), hwnd);
  } else {
    z_.insert(hwnd, added.topmost());
  }
  return hwnd;
}

void Desktop::destroy_tree(HWND hwnd) {
  Window* w = find(hwnd);
  if (!w) return;
  // Owned and child windows go first, as DestroyWindow does.
  std::vector<HWND> dependents = w->children;
  for (HWND other : z_.order()) {
    if (const Window* o = find(other); o && o->owner == hwnd) dependents.push_back(other);
  }
  hook_->destroying(hwnd);
  for (HWND d : dependents) destroy_tree(d);
  if (!(w = find(hwnd))) return;
  timers_.kill_all(hwnd);
  capture_.forget(hwnd);
  if (caption_drag_ && caption_drag_->hwnd == hwnd) caption_drag_.reset();
  // While the window still exists and holds its place, so that the next
  // window is found behind it and the move is seen as leaving our process
  // or not. It cannot take the activation back while it goes.
  if (activation_.foreground() == hwnd) {
    w->style &= ~plat::WS_VISIBLE;
    activation_.pass_from(hwnd);
  }
  if (!(w = find(hwnd))) return;
  if (w->parent) {
    if (Window* p = find(w->parent)) std::erase(p->children, hwnd);
  } else {
    z_.remove(hwnd);
  }
  windows_.erase(hwnd);
}

BOOL Desktop::DestroyWindow(HWND hwnd) {
  Window* w = find_or_fail(hwnd);
  if (!w) return FALSE;
  if (!w->ours()) {
    fail(ERROR_ACCESS_DENIED);
    return FALSE;
  }
  destroy_tree(hwnd);
  return TRUE;
}

void Desktop::set_visible(Window& w, bool visible) {
  if (visible == w.visible()) return;
  if (visible) {
    w.style |= plat::WS_VISIBLE;
    w.mark_dirty();
    for (HWND c : w.children) {
      if (Window* child = find(c)) child->mark_dirty();
    }
  } else {
    w.style &= ~plat::WS_VISIBLE;
  }
}

// Without SWP_NOOWNERZORDER the owners come along: each goes to the top
// of its band first, from the farthest one down, so that the window
// raised ends in front of them, its owner right behind it (SetWindowPos,
// SWP_NOOWNERZORDER: "Does not change the owner window's position").
void Desktop::raise(HWND hwnd, OwnedWindows owned) {
  const Window* w = find(hwnd);
  if (!w) return;
  if (owned == OwnedWindows::Follow && w->top_level()) raise_owners(w->owner, 0);
  raise_with_owned(hwnd, owned);
}

void Desktop::raise_owners(HWND owner, std::size_t depth) {
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

bool Desktop::owned_by(HWND hwnd, HWND owner) const {
  std::size_t depth = 0;
  for (const Window* w = find(hwnd); w && w->owner && depth < kOwnerChainLimit; w = find(w->owner), ++depth) {
    if (w->owner == owner) return true;
  }
  return false;
}

void Desktop::raise_with_owned(HWND hwnd, OwnedWindows owned) {
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
void Desktop::make_topmost_with_owned(HWND hwnd) {
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

void Desktop::sync_topmost(Window& w) {
  if (!w.top_level()) return;
  if (z_.topmost(w.hwnd)) {
    w.ex_style |= plat::WS_EX_TOPMOST;
  } else {
    w.ex_style &= ~plat::WS_EX_TOPMOST;
  }
}

// SW_SHOW does nothing to a window that is already visible; SW_SHOWNA,
// SW_SHOWNORMAL and SW_SHOWNOACTIVATE raise it to the top of its band
// again (and SW_SHOWNORMAL activates it).
BOOL Desktop::ShowWindow(HWND hwnd, int cmd) {
  Window* w = find_or_fail(hwnd);
  if (!w) return FALSE;
  const bool was_visible = w->visible();
  const bool child = !w->top_level();
  switch (cmd) {
    case plat::SW_HIDE:
      if (was_visible) {
        set_visible(*w, false);
        activation_.pass_from(hwnd);
      }
      break;
    case plat::SW_SHOW:
      if (was_visible) break;
      set_visible(*w, true);
      if (!child) set_foreground(hwnd, true);
      break;
    case plat::SW_SHOWNA:
    case plat::SW_SHOWNOACTIVATE:
      set_visible(*w, true);
      if (!child) raise(hwnd);
      break;
    default:  // SW_SHOWNORMAL and the states the seam does not name
      set_visible(*w, true);
      if (!child) set_foreground(hwnd, true);
      break;
  }
  return was_visible ? TRUE : FALSE;
}

BOOL Desktop::IsWindowVisible(HWND hwnd) {
  if (hwnd == kDesktopWindow) return TRUE;
  for (const Window* w = find(hwnd); w; w = w->parent ? find(w->parent) : nullptr) {
    if (!w->visible()) return FALSE;
    if (!w->parent) return TRUE;
  }
  return FALSE;
}

BOOL Desktop::IsWindowEnabled(HWND hwnd) {
  const Window* w = find(hwnd);
  return (hwnd == kDesktopWindow || (w && w->enabled())) ? TRUE : FALSE;
}

BOOL Desktop::EnableWindow(HWND hwnd, BOOL enable) {
  Window* w = find_or_fail(hwnd);
  if (!w) return FALSE;
  const BOOL was_disabled = w->enabled() ? FALSE : TRUE;
  if (enable) {
    w->style &= ~plat::WS_DISABLED;
  } else {
    w->style |= plat::WS_DISABLED;
  }
  return was_disabled;
}

void Desktop::set_bounds(HWND hwnd, const RECT& bounds) {
  Window* w = find(hwnd);
  if (!w || w->bounds == bounds) return;
  const bool resized = (w->bounds.right - w->bounds.left != bounds.right - bounds.left) ||
                       (w->bounds.bottom - w->bounds.top != bounds.bottom - bounds.top);
  w->bounds = bounds;
  if (resized) w->mark_dirty();
  if (w->sink) w->sink->on_bounds_changed(screen_bounds(*w));
}

// The place to insert at: one of the special places, or a window at the
// same level (top-level or child) as the one that moves.
bool Desktop::can_insert_after(HWND hwnd, HWND after, UINT flags) const {
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

BOOL Desktop::SetWindowPos(HWND hwnd, HWND after, int x, int y, int cx, int cy, UINT flags) {
  Window* w = find_or_fail(hwnd);
  if (!w) return FALSE;
  if (!can_insert_after(hwnd, after, flags)) {
    fail(ERROR_INVALID_WINDOW_HANDLE);
    return FALSE;
  }
  if (!(flags & plat::SWP_NOZORDER)) {
    if (w->top_level()) {
      if (after == plat::HWND_TOP) {
        raise(hwnd, (flags & plat::SWP_NOOWNERZORDER) ? OwnedWindows::Stay : OwnedWindows::Follow);
        sync_topmost(*w);
      } else {
        set_band_place(*w, after);
      }
    } else if (after == plat::HWND_TOP) {
      raise(hwnd);
    }
  }
  RECT b = w->bounds;
  if (!(flags & plat::SWP_NOMOVE)) b = {x, y, x + (b.right - b.left), y + (b.bottom - b.top)};
  if (!(flags & plat::SWP_NOSIZE)) b = {b.left, b.top, b.left + std::max(cx, 0), b.top + std::max(cy, 0)};
  if ((flags & plat::SWP_SHOWWINDOW) && !w->visible()) set_visible(*w, true);
  if ((flags & plat::SWP_HIDEWINDOW) && w->visible()) {
    set_visible(*w, false);
    activation_.pass_from(hwnd);
  }
  if (!(flags & plat::SWP_NOACTIVATE) && w->top_level() && w->visible()) set_foreground(hwnd, false);
  set_bounds(hwnd, b);
  return TRUE;
}

BOOL Desktop::GetWindowRect(HWND hwnd, RECT* rect) {
  if (!rect) return FALSE;
  if (hwnd == kDesktopWindow) {
    *rect = {0, 0, screen_width_, screen_height_};
    return TRUE;
  }
  const Window* w = find_or_fail(hwnd);
  if (!w) return FALSE;
  *rect = screen_bounds(*w);
  return TRUE;
}

BOOL Desktop::GetClientRect(HWND hwnd, RECT* rect) {
  if (!rect) return FALSE;
  if (hwnd == kDesktopWindow) {
    *rect = {0, 0, screen_width_, screen_height_};
    return TRUE;
  }
  const Window* w = find_or_fail(hwnd);
  if (!w) return FALSE;
  const FrameInsets in = insets_of(*w);
  *rect = {0, 0, std::max<LONG>(0, w->bounds.right - w->bounds.left - in.left - in.right),
           std::max<LONG>(0, w->bounds.bottom - w->bounds.top - in.top - in.bottom)};
  return TRUE;
}

LONG Desktop::GetWindowLongA(HWND hwnd, int index) {
  if (hwnd == kDesktopWindow) {
    return index == plat::GWL_STYLE ? static_cast<LONG>(plat::WS_POPUP | plat::WS_VISIBLE | plat::WS_CLIPSIBLINGS |
                                                        plat::WS_CLIPCHILDREN)
                                    : 0;
  }
  const Window* w = find_or_fail(hwnd);
  if (!w) return 0;
  switch (index) {
    case plat::GWL_STYLE:
      return static_cast<LONG>(w->style);
    case plat::GWL_EXSTYLE:
      return static_cast<LONG>(w->ex_style);
    case plat::GWL_HWNDPARENT:
      return static_cast<LONG>(w->parent ? w->parent : w->owner);
    default:
      fail(ERROR_INVALID_PARAMETER);  // Windows: ERROR_INVALID_INDEX
      return 0;
  }
}

LONG Desktop::SetWindowLongA(HWND hwnd, int index, LONG value) {
  Window* w = find_or_fail(hwnd);
  if (!w) return 0;
  const auto bits = static_cast<DWORD>(value);
  switch (index) {
    case plat::GWL_STYLE: {
      const DWORD old = w->style;
      w->style = bits;
      return static_cast<LONG>(old);
    }
    case plat::GWL_EXSTYLE: {
      const DWORD old = w->ex_style;
      // The topmost bit changes only through SetWindowPos.
      w->ex_style = (bits & ~plat::WS_EX_TOPMOST) | (old & plat::WS_EX_TOPMOST);
      if ((old & plat::WS_EX_LAYERED) && !(w->ex_style & plat::WS_EX_LAYERED)) {
        w->layered_attributes_set = false;
        w->layered_updates.clear();
      }
      return static_cast<LONG>(old);
    }
    case plat::GWL_HWNDPARENT: {
      const HWND old = w->owner;
      w->owner = static_cast<HWND>(static_cast<std::uint32_t>(value));
      return static_cast<LONG>(old);
    }
    default:
      fail(ERROR_INVALID_PARAMETER);
      return 0;
  }
}

BOOL Desktop::InvalidateRect(HWND hwnd, const RECT* rect) {
  if (hwnd == 0) {
    for (const auto& [h, w] : windows_.all()) {
      if (w->ours()) w->mark_dirty();
    }
    return TRUE;
  }
  Window* w = find_or_fail(hwnd);
  if (!w) return FALSE;
  // An empty rectangle adds nothing, as on Windows.
  if (rect && (rect->right <= rect->left || rect->bottom <= rect->top)) return TRUE;
  w->mark_dirty(rect);
  return TRUE;
}

BOOL Desktop::AdjustWindowRectEx(RECT* rect, DWORD style, BOOL menu, DWORD ex_style) {
  if (!rect) return FALSE;
  const FrameInsets in = frame_insets(metrics_, style, ex_style, menu != 0);
  rect->left -= in.left;
  rect->top -= in.top;
  rect->right += in.right;
  rect->bottom += in.bottom;
  return TRUE;
}

}  // namespace sim
