// Hit-testing, as a press finds its window, and the system's move loop.
#include "platform/sim/window_manager.h"

namespace sim {

int WindowManager::nc_hit_test(HWND hwnd, int x, int y) {
  Window* w = find(hwnd);
  if (!w) return HTNOWHERE;
  if (w->sink) {
    if (auto code = w->sink->on_nc_hit_test(x, y)) return *code;
  }
  return default_hit_test(screen_bounds(*w), insets_of(*w), x, y);
}

// Top-level windows from the top: visible, under the point, not
// click-through, and not answering HTTRANSPARENT; then down into its
// visible children. A disabled window is found too: it swallows the press.
WindowManager::Hit WindowManager::hit(int x, int y) {
  auto contains = [](const RECT& r, int px, int py) {
    return px >= r.left && px < r.right && py >= r.top && py < r.bottom;
  };
  for (HWND h : z_.order()) {
    const Window* w = find(h);
    if (!w || !w->visible() || w->click_through() || !contains(w->bounds, x, y)) continue;
    const int code = nc_hit_test(h, x, y);
    if (code == HTTRANSPARENT) continue;
    Hit result{h, code};
    for (bool descended = true; descended && result.code == plat::HTCLIENT;) {
      descended = false;
      const Window* parent = find(result.hwnd);
      for (HWND c : parent ? parent->children : std::vector<HWND>{}) {
        const Window* child = find(c);
        if (child && child->visible() && contains(screen_bounds(*child), x, y)) {
          result = {c, nc_hit_test(c, x, y)};
          descended = true;
          break;
        }
      }
    }
    return result;
  }
  return {};
}

void WindowManager::begin_caption_drag(HWND hwnd, POINT start) {
  if (const Window* w = find(hwnd)) caption_drag_ = CaptionDrag{hwnd, start, w->bounds};
}

// The system's move loop after a press on a caption follows the pointer
// until the left button comes up.
bool WindowManager::follow_caption_drag(const MouseMessage& m) {
  if (!caption_drag_) return false;
  if (m.event == MouseEvent::Move) {
    const CaptionDrag d = *caption_drag_;
    const LONG dx = m.x - d.start.x;
    const LONG dy = m.y - d.start.y;
    set_bounds(d.hwnd, {d.bounds.left + dx, d.bounds.top + dy, d.bounds.right + dx, d.bounds.bottom + dy});
    return true;
  }
  if (m.event == MouseEvent::Up && m.button == MouseButton::Left) {
    caption_drag_.reset();
    return true;
  }
  return false;
}

}  // namespace sim
