// Foreground, activation and mouse capture. Activation moving between our
// process and another sends WM_ACTIVATEAPP to every top-level window of
// ours, visible or not, as Windows sends it to all of a thread's windows.
#include "platform/sim/desktop.h"

namespace sim {

void Desktop::set_foreground(HWND hwnd, bool raise_it) {
  if (raise_it && hwnd) raise(hwnd);
  if (foreground_ == hwnd) return;
  const bool was_ours = is_ours(foreground_);
  const bool now_ours = is_ours(hwnd);
  foreground_ = hwnd;
  if (was_ours == now_ours) return;
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

// Activation leaves a window that hides or goes: it passes to the topmost
// visible, enabled window of ours that can be activated, or to nobody.
void Desktop::pass_activation_from(HWND hwnd) {
  if (foreground_ != hwnd) return;
  HWND next = 0;
  for (HWND h : z_.order()) {
    const Window* w = find(h);
    if (h == hwnd || !w || !w->ours() || !w->visible() || !w->enabled() || (w->ex_style & WS_EX_NOACTIVATE)) {
      continue;
    }
    next = h;
    break;
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
