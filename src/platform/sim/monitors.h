// The desk of the simulated desktop: its monitors in virtual-screen
// coordinates, the primary first and at the origin, as Windows always
// places it. Handles are the monitors' places in the list, offset so that
// none is 0.
#pragma once

#include <optional>
#include <span>

#include "platform/sim/types.h"

namespace sim {

struct Monitor {
  RECT rect{};
  // Where the taskbar is not; the whole monitor when unset.
  std::optional<RECT> work{};
  // Pixels per inch of this monitor; 0: the desktop's own.
  int dpi = 0;
};

inline constexpr plat::HMONITOR kFirstMonitor = 0x00010001;

// MonitorFromPoint: the monitor holding the point, else what `flags` asks
// for (none, the primary, or the nearest).
plat::HMONITOR monitor_from_point(std::span<const Monitor> monitors, POINT point, DWORD flags);
const Monitor* monitor_of(std::span<const Monitor> monitors, plat::HMONITOR handle);
// The bounding rectangle of every monitor (SM_*VIRTUALSCREEN).
RECT virtual_screen(std::span<const Monitor> monitors);
// The nearest point that lies on a monitor: the pointer cannot leave the desk.
POINT clamp_to_desk(std::span<const Monitor> monitors, POINT point);

}  // namespace sim
