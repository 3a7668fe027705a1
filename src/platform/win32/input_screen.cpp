// The pointer, the keyboard state, screen metrics and text measurement.
#include "platform/win32/convert.h"
#include "platform/win32/fonts.h"
#include "platform/win32/handles.h"
#include "platform/win32/wide_text.h"
#include "platform/win32/win32_platform.h"

namespace win32 {

plat::BOOL Win32Platform::GetCursorPos(plat::POINT* point) {
  ::POINT p{};
  const BOOL ok = ::GetCursorPos(&p);
  if (ok) *point = from_point(p);
  return ok;
}

std::int16_t Win32Platform::GetAsyncKeyState(int vkey) { return ::GetAsyncKeyState(vkey); }

int Win32Platform::GetSystemMetrics(int index) { return ::GetSystemMetrics(index); }

// The records the seam passes (a RECT for the work area) have the
// system's layout, so pv goes through untouched.
plat::BOOL Win32Platform::SystemParametersInfoA(plat::UINT action, plat::UINT param, void* pv,
                                                plat::UINT win_ini) {
  return ::SystemParametersInfoA(action, param, pv, win_ini);
}

plat::HMONITOR Win32Platform::MonitorFromPoint(plat::POINT point, plat::DWORD flags) {
  return reinterpret_cast<plat::HMONITOR>(::MonitorFromPoint(to_point(point), flags));
}

// The record is copied field by field rather than passed through: the
// seam's has no padding promise, and the system reads cbSize to decide
// what it may write.
plat::BOOL Win32Platform::GetMonitorInfoA(plat::HMONITOR monitor, plat::MONITORINFO* info) {
  if (!info) return FALSE;
  ::MONITORINFO sys{};
  sys.cbSize = sizeof(sys);
  if (!::GetMonitorInfoA(reinterpret_cast<::HMONITOR>(monitor), &sys)) return FALSE;
  info->rcMonitor = from_rect(sys.rcMonitor);
  info->rcWork = from_rect(sys.rcWork);
  info->dwFlags = sys.dwFlags;
  return TRUE;
}

plat::HCURSOR Win32Platform::LoadCursorA(plat::HMODULE module, int id) {
  return from_hcursor(::LoadCursorA(to_hmodule(module), MAKEINTRESOURCEA(id)));
}

plat::BOOL Win32Platform::DestroyCursor(plat::HCURSOR cursor) { return ::DestroyCursor(to_hcursor(cursor)); }

plat::SIZE Win32Platform::measure_text(const plat::Font& font, std::string_view line) {
  WindowDc screen(nullptr);
  if (!screen) return {};
  SelectedObject selected(screen.get(), cached_font(font));
  if (line.empty()) {
    // An empty line still has the font's height, so empty labels keep their row.
    TEXTMETRICW metrics{};
    ::GetTextMetricsW(screen.get(), &metrics);
    return {0, static_cast<plat::LONG>(metrics.tmHeight)};
  }
  ::SIZE size{};
  // Measured as drawn: the same conversion as the canvas's (wide_text.h).
  const std::wstring wide = to_wide(line);
  ::GetTextExtentPoint32W(screen.get(), wide.data(), static_cast<int>(wide.size()), &size);
  return from_size(size);
}

}  // namespace win32
