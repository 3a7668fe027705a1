// The calls that move the activation and the capture. The rules live in
// Activation and Capture; raising the window activated is the z-order's.
#include <stdexcept>

#include "platform/sim/desktop.h"

namespace sim {

BOOL Desktop::SetForegroundWindow(HWND hwnd) {
  Window* w = find_or_fail(hwnd);
  if (!w || !w->top_level()) return FALSE;
  wm_.set_foreground(hwnd, true);
  return TRUE;
}

void Desktop::SwitchToThisWindow(HWND hwnd, BOOL alt_tab) {
  switches_.push_back({hwnd, alt_tab});
  const Window* w = find(hwnd);
  if (w && w->top_level()) wm_.set_foreground(hwnd, true);
}

void Desktop::activate_foreign(HWND hwnd) {
  const Window* w = find(hwnd);
  if (!w || w->ours()) throw std::invalid_argument("not a foreign window: " + name_of(hwnd));
  wm_.set_foreground(hwnd, true);
}

HWND Desktop::SetCapture(HWND hwnd) {
  const HWND old = capture_.holder();
  const Window* w = find_or_fail(hwnd);
  if (!w || !w->ours()) return old;
  capture_.set(hwnd);
  return old;
}

BOOL Desktop::ReleaseCapture() {
  capture_.release();
  return TRUE;
}

}  // namespace sim
