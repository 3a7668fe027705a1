// Foreground, activation and mouse capture. Activation moving between our
// process and another sends WM_ACTIVATEAPP to every top-level window of
// ours, visible or not, as Windows sends it to all of a thread's windows.
#include <algorithm>

#include "platform/sim/desktop.h"

namespace sim {

// In the order Windows sends them: WM_ACTIVATE (WA_INACTIVE) to the window
// losing the activation, WM_ACTIVATEAPP to both programs' windows when the
// activation moves between programs, then WM_ACTIVATE to the new window.
void Desktop::set_foreground(HWND hwnd, bool raise_it) {
  if (raise_it && hwnd) raise(hwnd);
  if (foreground_ == hwnd) return;
  const HWND old = foreground_;
  const bool was_ours = is_ours(old);
  const bool now_ours = is_ours(hwnd);
  foreground_ = hwnd;
  if (was_ours) send_activate(old, false);
  if (was_ours != now_ours && foreground_ == hwnd) {
    if (log_.enabled()) note(std::string("on_activate_app ") + (now_ours ? "true" : "false"));
    std::vector<HWND> ours;
    for (HWND h : z_.order()) {
      if (is_ours(h)) ours.push_back(h);
    }
    for (HWND h : ours) {
      // A handler may destroy windows, or move the activation again.
      if (foreground_ != hwnd) break;
      if (Window* w = find(h); w && w->sink) w->sink->on_activate_app(now_ours);
    }
  }
  if (now_ours && foreground_ == hwnd) send_activate(hwnd, true);
}

void Desktop::send_activate(HWND hwnd, bool active) {
  Window* w = find(hwnd);
  if (!w) return;
  if (log_.enabled()) note("on_activate " + w->name + " " + (active ? "true" : "false"));
  if (w->sink) w->sink->on_activate_window(active);
}

// A window that can take the activation the system hands on: visible,
// enabled, top-level, not minimized, and not one that asked never to be
// brought to the foreground when the foreground window closes.
bool Desktop::can_activate(HWND hwnd) const {
  const Window* w = find(hwnd);
  return w && w->top_level() && w->visible() && w->enabled() && !(w->style & plat::WS_MINIMIZE) &&
         !(w->ex_style & WS_EX_NOACTIVATE);
}

// The active window hides or goes: its owner takes the activation if it
// can (a popup's), else the next window behind it in the z-order that can,
// else the first from the top; any program's window.
void Desktop::pass_activation_from(HWND hwnd) {
  if (foreground_ != hwnd) return;
  const Window* w = find(hwnd);
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
  set_foreground(next, false);
}

BOOL Desktop::SetForegroundWindow(HWND hwnd) {
  Window* w = find_or_fail(hwnd);
  if (!w || !w->top_level()) return FALSE;
  if (log_.enabled()) note("SetForegroundWindow " + w->name);
  set_foreground(hwnd, true);
  return TRUE;
}

void Desktop::SwitchToThisWindow(HWND hwnd, BOOL alt_tab) {
  switches_.push_back({hwnd, alt_tab});
  if (log_.enabled()) note("SwitchToThisWindow " + name_of(hwnd) + " " + bool_name(alt_tab));
  const Window* w = find(hwnd);
  if (w && w->top_level()) set_foreground(hwnd, true);
}

void Desktop::activate_foreign(HWND hwnd) {
  const Window* w = find(hwnd);
  if (!w || w->ours()) throw std::invalid_argument("not a foreign window: " + name_of(hwnd));
  set_foreground(hwnd, true);
}

void Desktop::lose_capture(HWND hwnd) {
  if (log_.enabled()) note("on_capture_lost " + name_of(hwnd));
  if (Window* w = find(hwnd); w && w->sink) w->sink->on_capture_lost();
}

HWND Desktop::SetCapture(HWND hwnd) {
  const HWND old = capture_;
  const Window* w = find_or_fail(hwnd);
  if (!w || !w->ours()) return old;
  if (log_.enabled()) note("SetCapture " + w->name);
  capture_ = hwnd;
  if (old && old != hwnd) lose_capture(old);
  return old;
}

BOOL Desktop::ReleaseCapture() {
  const HWND old = capture_;
  if (log_.enabled()) note("ReleaseCapture " + name_of(old));
  capture_ = 0;
  if (old) lose_capture(old);
  return TRUE;
}

// The modal loops of message boxes and menus take the capture, as
// Windows and Wine do: the window that had it is told and loses it.
void Desktop::take_capture_away() {
  caption_drag_.reset();
  if (!capture_) return;
  const HWND old = capture_;
  capture_ = 0;
  lose_capture(old);
}

}  // namespace sim
