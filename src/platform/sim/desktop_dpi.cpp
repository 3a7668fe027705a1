// The scale the desktop shows our windows at. A per-monitor aware program
// is told of a change by WM_DPICHANGED, sent to each top-level window whose
// dpi changed, with the place the system suggests for it at the new dpi.
#include <vector>

#include "platform/mul_div.h"
#include "platform/sim/desktop.h"

namespace sim {

UINT Desktop::GetDpiForWindow(HWND hwnd) {
  const Window* w = windows_.find(hwnd);
  // An invalid window gives 0, as GetDpiForWindow answers.
  return w ? static_cast<UINT>(dpi_of(*w)) : 0;
}

void Desktop::set_dpi(int dpi) {
  std::vector<std::pair<HWND, int>> changed;
  for (const auto& [h, w] : windows_.all()) {
    if (w->process == kOurProcess && !w->parent && !w->dpi && dpi != dpi_) changed.emplace_back(h, dpi_);
  }
  dpi_ = dpi;
  for (const auto& [h, from] : changed) send_dpi_changed(h, from);
}

void Desktop::set_window_dpi(HWND hwnd, int dpi) {
  Window* w = windows_.find(hwnd);
  if (!w) return;
  const int from = dpi_of(*w);
  w->dpi = dpi;
  if (dpi_of(*w) != from) send_dpi_changed(hwnd, from);
}

// The suggestion keeps the window's top-left corner and grows its size by
// the ratio of the two dpis, which is what Windows proposes for a scale
// change on the window's own monitor.
void Desktop::send_dpi_changed(HWND hwnd, int from) {
  Window* w = windows_.find(hwnd);
  if (!w || !w->sink) return;
  const int to = dpi_of(*w);
  const RECT now = wm_.screen_bounds(*w);
  const RECT suggested{now.left, now.top, now.left + plat::mul_div(now.right - now.left, to, from),
                       now.top + plat::mul_div(now.bottom - now.top, to, from)};
  w->sink->on_dpi_changed(to, suggested);
}

}  // namespace sim
