// Where a window is shown, at what dpi. Each newer call is used where the
// system has it, and each older one stands in for it before: GetDpiForWindow
// answers for the window's monitor under per-monitor awareness (Windows 10
// 1607 on); on 8.1 GetDpiForMonitor gives the effective dpi of the monitor
// MonitorFromWindow names; on 7 every monitor has the system's dpi, which
// GetDeviceCaps(LOGPIXELSX) of the screen reads.
#include "platform/win32/dpi.h"

#include "platform/win32/convert.h"
#include "platform/win32/entry_point.h"
#include "platform/win32/library_search.h"
#include "platform/win32/win32_platform.h"

namespace win32 {

namespace {

// MONITOR_DPI_TYPE's MDT_EFFECTIVE_DPI: the dpi the user's scale gives.
constexpr int kEffectiveDpi = 0;

DpiApi look_up_dpi_api(Win32Platform& os) {
  DpiApi api;
  api.for_window = entry_point<DpiApi::GetDpiForWindow>(::GetModuleHandleA("user32.dll"), "GetDpiForWindow");
  if (api.for_window) return api;
  api.shcore = load_system_library(os, "shcore.dll");
  api.for_monitor = entry_point<DpiApi::GetDpiForMonitor>(api.shcore.get(), "GetDpiForMonitor");
  return api;
}

}  // namespace

int Win32Platform::screen_dpi() {
  WindowDc screen(nullptr);
  // 96 is the system's own default when it cannot say.
  return screen ? ::GetDeviceCaps(screen.get(), LOGPIXELSX) : 96;
}

plat::UINT Win32Platform::GetDpiForWindow(plat::HWND hwnd) {
  const HWND window = to_hwnd(hwnd);
  if (!::IsWindow(window)) return 0;
  if (!dpi_) dpi_ = std::make_unique<DpiApi>(look_up_dpi_api(*this));
  if (dpi_->for_window) return dpi_->for_window(window);
  if (dpi_->for_monitor) {
    UINT x = 0, y = 0;
    HMONITOR monitor = ::MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST);
    if (SUCCEEDED(dpi_->for_monitor(monitor, kEffectiveDpi, &x, &y)) && x > 0) return x;
  }
  return static_cast<plat::UINT>(screen_dpi());
}

}  // namespace win32
