#include "ui/monitors.h"

namespace ui {

using plat::os;

plat::RECT desk_rect() {
  const int x = os().GetSystemMetrics(plat::SM_XVIRTUALSCREEN);
  const int y = os().GetSystemMetrics(plat::SM_YVIRTUALSCREEN);
  return {x, y, x + os().GetSystemMetrics(plat::SM_CXVIRTUALSCREEN),
          y + os().GetSystemMetrics(plat::SM_CYVIRTUALSCREEN)};
}

plat::RECT primary_rect() {
  return {0, 0, os().GetSystemMetrics(plat::SM_CXSCREEN), os().GetSystemMetrics(plat::SM_CYSCREEN)};
}

std::optional<plat::RECT> monitor_at(plat::POINT point) {
  const plat::HMONITOR monitor = os().MonitorFromPoint(point, plat::MONITOR_DEFAULTTONULL);
  plat::MONITORINFO info{};
  if (!monitor || !os().GetMonitorInfoA(monitor, &info)) return std::nullopt;
  return info.rcMonitor;
}

bool contains(const plat::RECT& rect, plat::POINT point) {
  return point.x >= rect.left && point.x < rect.right && point.y >= rect.top && point.y < rect.bottom;
}

int primary_button_vk() { return os().GetSystemMetrics(plat::SM_SWAPBUTTON) ? plat::VK_RBUTTON : plat::VK_LBUTTON; }

bool button_held(int vk) { return (os().GetAsyncKeyState(vk) & 0x8000) != 0; }

}  // namespace ui
