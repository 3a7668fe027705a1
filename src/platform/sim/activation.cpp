// Activation moving between our process and another sends WM_ACTIVATEAPP
// to every top-level window of ours, visible or not, as Windows sends it
// to all of a thread's windows.
#include "platform/sim/activation.h"

#include <vector>

namespace sim {

bool Activation::is_ours(HWND hwnd) const {
  const Window* w = windows_.find(hwnd);
  return w && w->ours();
}

// In the order Windows sends them: WM_ACTIVATE (WA_INACTIVE) to the window
// losing the activation, WM_ACTIVATEAPP to both programs' windows when the
// activation moves between programs, then WM_ACTIVATE to the new window.
void Activation::set(HWND hwnd) {
  if (foreground_ == hwnd) return;
  const HWND old = foreground_;
  const bool was_ours = is_ours(old);
  const bool now_ours = is_ours(hwnd);
  foreground_ = hwnd;
  if (was_ours) send_activate(old, false);
  if (was_ours != now_ours && foreground_ == hwnd) {
    std::vector<HWND> ours;
    for (HWND h : z_.order()) {
      if (is_ours(h)) ours.push_back(h);
    }
    for (HWND h : ours) {
      // A handler may destroy windows, or move the activation again.
      if (foreground_ != hwnd) break;
      hook_.activate_app(h, now_ours);
      if (Window* w = windows_.find(h); w && w->sink) w->sink->on_activate_app(now_ours);
    }
  }
  if (now_ours && foreground_ == hwnd) send_activate(hwnd, true);
}

void Activation::send_activate(HWND hwnd, bool active) {
  Window* w = windows_.find(hwnd);
  if (!w) return;
  hook_.activate_window(hwnd, active);
  if (w->sink) w->sink->on_activate_window(active);
}

// A window that can take the activation the system hands on: visible,
// enabled, top-level, not minimized, and not one that asked never to be
// brought to the foreground when the foreground window closes.
bool Activation::can_activate(HWND hwnd) const {
  const Window* w = windows_.find(hwnd);
  return w && w->top_level() && w->visible() && w->enabled() && !(w->style & plat::WS_MINIMIZE) &&
         !(w->ex_style & WS_EX_NOACTIVATE);
}

// The active window hides or goes: its owner takes the activation if it
// can (a popup's), else the first window from the top of the z-order that
// can, any program's, the one going aside: a topmost window in front is
// taken before the window right behind the one going. Tool windows are
// passed over while another window can take it, as the taskbar is.
void Activation::pass_from(HWND hwnd) {
  if (foreground_ != hwnd) return;
  const Window* w = windows_.find(hwnd);
  HWND next = 0;
  if (w && (w->style & plat::WS_POPUP) && w->owner && can_activate(w->owner)) {
    next = w->owner;
  } else {
    HWND tool = 0;
    for (HWND h : z_.order()) {
      if (h == hwnd || !can_activate(h)) continue;
      const Window* o = windows_.find(h);
      if (!(o->ex_style & plat::WS_EX_TOOLWINDOW)) {
        next = h;
        break;
      }
      if (!tool) tool = h;
    }
    if (!next) next = tool;
  }
  set(next);
}

}  // namespace sim
