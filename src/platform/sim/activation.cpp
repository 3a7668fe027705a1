// Activation moving between our process and another sends WM_ACTIVATEAPP
// to every top-level window of ours, visible or not, as Windows sends it
// to all of a thread's windows.
#include "platform/sim/activation.h"

#include <algorithm>
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
// can (a popup's), else the next window behind it in the z-order that can,
// else the first from the top; any program's window.
void Activation::pass_from(HWND hwnd) {
  if (foreground_ != hwnd) return;
  const Window* w = windows_.find(hwnd);
  HWND next = 0;
  if (w && (w->style & plat::WS_POPUP) && w->owner && can_activate(w->owner)) {
    next = w->owner;
  } else {
    const std::vector<HWND> order = z_.order();
    const auto at = std::find(order.begin(), order.end(), hwnd);
    for (auto it = at == order.end() ? order.begin() : at + 1; it != order.end() && !next; ++it) {
      if (can_activate(*it)) next = *it;
    }
    for (auto it = order.begin(); it != at && it != order.end() && !next; ++it) {
      if (can_activate(*it)) next = *it;
    }
  }
  set(next);
}

}  // namespace sim
