#include "ui/desk_watch.h"

#include "ui/monitors.h"

namespace ui {

plat::RECT DeskWatch::desk() {
  if (!desk_) desk_ = desk_rect();
  return *desk_;
}

// Monitors do not overlap, so a point inside the last one found is on
// that one.
std::optional<plat::RECT> DeskWatch::monitor_at(plat::POINT point) {
  if (monitor_ && contains(*monitor_, point)) return monitor_;
  if (auto found = ui::monitor_at(point)) monitor_ = found;
  else return std::nullopt;
  return monitor_;
}

bool DeskWatch::beyond_is_on_a_monitor(plat::POINT beyond) {
  if (!beyond_ || beyond_->x != beyond.x || beyond_->y != beyond.y) {
    beyond_ = beyond;
    beyond_on_a_monitor_ = plat::os().MonitorFromPoint(beyond, plat::MONITOR_DEFAULTTONULL) != 0;
  }
  return beyond_on_a_monitor_;
}

std::optional<plat::RECT> DeskWatch::edge_at(plat::POINT point, bool right) {
  const auto monitor = monitor_at(point);
  if (!monitor) return std::nullopt;
  const plat::LONG column = right ? monitor->right - 1 : monitor->left;
  const plat::LONG beyond = right ? monitor->right : monitor->left - 1;
  if (point.x != column || beyond_is_on_a_monitor({beyond, point.y})) return std::nullopt;
  return monitor;
}

void DeskWatch::forget() {
  desk_.reset();
  monitor_.reset();
  beyond_.reset();
}

}  // namespace ui
