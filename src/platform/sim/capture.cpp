#include "platform/sim/capture.h"

namespace sim {

void Capture::lose(HWND hwnd) {
  hook_.capture_lost(hwnd);
  if (Window* w = windows_.find(hwnd); w && w->sink) w->sink->on_capture_lost();
}

void Capture::set(HWND hwnd) {
  const HWND old = holder_;
  holder_ = hwnd;
  if (old && old != hwnd) lose(old);
}

void Capture::release() {
  const HWND old = holder_;
  holder_ = 0;
  if (old) lose(old);
}

}  // namespace sim
