#include "platform/sim/monitors.h"

#include <algorithm>
#include <limits>

namespace sim {
namespace {

bool contains(const RECT& r, POINT p) { return p.x >= r.left && p.x < r.right && p.y >= r.top && p.y < r.bottom; }

POINT clamp_into(const RECT& r, POINT p) {
  return {std::clamp(p.x, r.left, r.right - 1), std::clamp(p.y, r.top, r.bottom - 1)};
}

long long distance2(POINT a, POINT b) {
  const long long dx = a.x - b.x;
  const long long dy = a.y - b.y;
  return dx * dx + dy * dy;
}

std::size_t nearest(std::span<const Monitor> monitors, POINT p) {
  std::size_t best = 0;
  long long best_d = std::numeric_limits<long long>::max();
  for (std::size_t i = 0; i < monitors.size(); ++i) {
    const long long d = distance2(p, clamp_into(monitors[i].rect, p));
    if (d < best_d) {
      best_d = d;
      best = i;
    }
  }
  return best;
}

}  // namespace

plat::HMONITOR monitor_from_point(std::span<const Monitor> monitors, POINT point, DWORD flags) {
  for (std::size_t i = 0; i < monitors.size(); ++i) {
    if (contains(monitors[i].rect, point)) return kFirstMonitor + i;
  }
  if (monitors.empty()) return 0;
  switch (flags) {
    case plat::MONITOR_DEFAULTTOPRIMARY:
      return kFirstMonitor;
    case plat::MONITOR_DEFAULTTONEAREST:
      return kFirstMonitor + nearest(monitors, point);
    default:
      return 0;
  }
}

const Monitor* monitor_of(std::span<const Monitor> monitors, plat::HMONITOR handle) {
  if (handle < kFirstMonitor || handle - kFirstMonitor >= monitors.size()) return nullptr;
  return &monitors[handle - kFirstMonitor];
}

RECT virtual_screen(std::span<const Monitor> monitors) {
  if (monitors.empty()) return {};
  RECT r = monitors.front().rect;
  for (const Monitor& m : monitors) {
    r.left = std::min(r.left, m.rect.left);
    r.top = std::min(r.top, m.rect.top);
    r.right = std::max(r.right, m.rect.right);
    r.bottom = std::max(r.bottom, m.rect.bottom);
  }
  return r;
}

POINT clamp_to_desk(std::span<const Monitor> monitors, POINT point) {
  if (monitors.empty()) return point;
  if (monitor_from_point(monitors, point, plat::MONITOR_DEFAULTTONULL)) return point;
  return clamp_into(monitors[nearest(monitors, point)].rect, point);
}

}  // namespace sim
