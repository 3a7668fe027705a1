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

BOOL Desktop::DestroyWindow(HWND hwnd) {
  Window* w = find_or_fail(hwnd);
  if (!w) return FALSE;
  if (!w->ours()) {
    fail(ERROR_ACCESS_DENIED);
    return FALSE;
  }
  wm_.destroy_tree(hwnd);
  return TRUE;
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
        wm_.set_visible(*w, false);
        activation_.pass_from(hwnd);
      }
      break;
    case plat::SW_SHOW:
      if (was_visible) break;
      wm_.set_visible(*w, true);
      if (!child) wm_.set_foreground(hwnd, true);
      break;
    case plat::SW_SHOWNA:
    case plat::SW_SHOWNOACTIVATE:
      wm_.set_visible(*w, true);
      if (!child) wm_.raise(hwnd);
      break;
    default:  // SW_SHOWNORMAL and the states the seam does not name
      wm_.set_visible(*w, true);
      if (!child) wm_.set_foreground(hwnd, true);
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
        using enum WindowManager::OwnedWindows;
        wm_.raise(hwnd, (flags & plat::SWP_NOOWNERZORDER) ? Stay : Follow);
        wm_.sync_topmost(*w);
      } else {
        wm_.set_band_place(*w, after);
      }
    } else if (after == plat::HWND_TOP) {
      wm_.raise(hwnd);
    }
  }
  RECT b = w->bounds;
  if (!(flags & plat::SWP_NOMOVE)) b = {x, y, x + (b.right - b.left), y + (b.bottom - b.top)};
  if (!(flags & plat::SWP_NOSIZE)) b = {b.left, b.top, b.left + std::max(cx, 0), b.top + std::max(cy, 0)};
  if ((flags & plat::SWP_SHOWWINDOW) && !w->visible()) wm_.set_visible(*w, true);
  if ((flags & plat::SWP_HIDEWINDOW) && w->visible()) {
    wm_.set_visible(*w, false);
    activation_.pass_from(hwnd);
  }
  if (!(flags & plat::SWP_NOACTIVATE) && w->top_level() && w->visible()) wm_.set_foreground(hwnd, false);
  wm_.set_bounds(hwnd, b);
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
  *rect = wm_.screen_bounds(*w);
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
  const FrameInsets in = wm_.insets_of(*w);
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
