// The seam's window operations, forwarded to user32.
#include <string>

#include "platform/win32/carried_error.h"
#include "platform/win32/convert.h"
#include "platform/win32/win32_platform.h"
#include "platform/win32/window_class.h"

namespace win32 {

plat::HWND Win32Platform::create_window(const plat::WindowParams& params, plat::WindowSink* sink) {
  const std::string& class_name = params.class_name.empty() ? std::string(kFormClass) : params.class_name;
  if (!ensure_window_class(class_name)) return 0;
  // A top-level window's hWndParent is its owner; a child's is its parent.
  const bool child = (params.style & WS_CHILD) != 0;
  HWND parent = to_hwnd(child ? params.parent : params.owner);
  const plat::RECT& b = params.bounds;
  HWND hwnd = sending([&] {
    return ::CreateWindowExA(params.ex_style, class_name.c_str(), params.caption.c_str(), params.style, b.left,
                             b.top, b.right - b.left, b.bottom - b.top, parent, nullptr,
                             ::GetModuleHandleA(nullptr), sink);
  });
  if (!hwnd) {
    const DWORD error = ::GetLastError();
    ::OutputDebugStringA(("slatebar: creating window \"" + params.name + "\" failed: " +
                          system_error_text(error) + "\n").c_str());
    ::SetLastError(error);
  }
  return from_hwnd(hwnd);
}

plat::BOOL Win32Platform::DestroyWindow(plat::HWND hwnd) {
  return sending([&] { return ::DestroyWindow(to_hwnd(hwnd)); });
}

plat::BOOL Win32Platform::ShowWindow(plat::HWND hwnd, int cmd) {
  return sending([&] { return ::ShowWindow(to_hwnd(hwnd), cmd); });
}

plat::BOOL Win32Platform::IsWindowVisible(plat::HWND hwnd) { return ::IsWindowVisible(to_hwnd(hwnd)); }

plat::BOOL Win32Platform::IsWindowEnabled(plat::HWND hwnd) { return ::IsWindowEnabled(to_hwnd(hwnd)); }

plat::BOOL Win32Platform::EnableWindow(plat::HWND hwnd, plat::BOOL enable) {
  return sending([&] { return ::EnableWindow(to_hwnd(hwnd), enable); });
}

plat::BOOL Win32Platform::SetWindowPos(plat::HWND hwnd, plat::HWND insert_after, int x, int y, int cx, int cy,
                                       plat::UINT flags) {
  return sending([&] { return ::SetWindowPos(to_hwnd(hwnd), to_hwnd(insert_after), x, y, cx, cy, flags); });
}

plat::BOOL Win32Platform::GetWindowRect(plat::HWND hwnd, plat::RECT* rect) {
  ::RECT r{};
  const BOOL ok = ::GetWindowRect(to_hwnd(hwnd), &r);
  if (ok) *rect = from_rect(r);
  return ok;
}

plat::BOOL Win32Platform::GetClientRect(plat::HWND hwnd, plat::RECT* rect) {
  ::RECT r{};
  const BOOL ok = ::GetClientRect(to_hwnd(hwnd), &r);
  if (ok) *rect = from_rect(r);
  return ok;
}

// The owner (GWL_HWNDPARENT, which 64-bit headers only know as
// GWLP_HWNDPARENT) is pointer-wide on 64-bit Windows, so it goes
// through the LongPtr calls. A window handle has 32 significant bits there
// (sign-extended, so 32-bit processes can share handles), hence the
// truncated value the seam returns still compares equal to the handle, and
// a handle passed back in is widened again before it is stored.
plat::LONG Win32Platform::GetWindowLongA(plat::HWND hwnd, int index) {
  if (index == GWLP_HWNDPARENT) {
    return static_cast<plat::LONG>(::GetWindowLongPtrA(to_hwnd(hwnd), GWLP_HWNDPARENT));
  }
  return static_cast<plat::LONG>(::GetWindowLongA(to_hwnd(hwnd), index));
}

plat::LONG Win32Platform::SetWindowLongA(plat::HWND hwnd, int index, plat::LONG value) {
  if (index == GWLP_HWNDPARENT) {
    return static_cast<plat::LONG>(
        sending([&] { return ::SetWindowLongPtrA(to_hwnd(hwnd), GWLP_HWNDPARENT, LONG_PTR{value}); }));
  }
  return static_cast<plat::LONG>(sending([&] { return ::SetWindowLongA(to_hwnd(hwnd), index, value); }));
}

plat::BOOL Win32Platform::SetWindowTextA(plat::HWND hwnd, const char* text) {
  return sending([&] { return ::SetWindowTextA(to_hwnd(hwnd), text); });
}

int Win32Platform::GetWindowTextA(plat::HWND hwnd, char* buffer, int max_count) {
  return ::GetWindowTextA(to_hwnd(hwnd), buffer, max_count);
}

plat::HWND Win32Platform::FindWindowA(const char* class_name, const char* window_name) {
  return from_hwnd(::FindWindowA(class_name, window_name));
}

plat::HWND Win32Platform::GetForegroundWindow() { return from_hwnd(::GetForegroundWindow()); }

plat::BOOL Win32Platform::SetForegroundWindow(plat::HWND hwnd) {
  return sending([&] { return ::SetForegroundWindow(to_hwnd(hwnd)); });
}

plat::HWND Win32Platform::GetDesktopWindow() { return from_hwnd(::GetDesktopWindow()); }

plat::HWND Win32Platform::GetWindow(plat::HWND hwnd, plat::UINT cmd) {
  return from_hwnd(::GetWindow(to_hwnd(hwnd), cmd));
}

void Win32Platform::SwitchToThisWindow(plat::HWND hwnd, plat::BOOL alt_tab) {
  sending([&] {
    ::SwitchToThisWindow(to_hwnd(hwnd), alt_tab);
    return 0;
  });
}

plat::HWND Win32Platform::SetCapture(plat::HWND hwnd) {
  return from_hwnd(sending([&] { return ::SetCapture(to_hwnd(hwnd)); }));
}

plat::BOOL Win32Platform::ReleaseCapture() {
  return sending([] { return ::ReleaseCapture(); });
}

plat::HWND Win32Platform::GetCapture() { return from_hwnd(::GetCapture()); }

plat::BOOL Win32Platform::InvalidateRect(plat::HWND hwnd, const plat::RECT* rect) {
  // No erase: painting covers the whole back buffer anyway.
  if (!rect) return ::InvalidateRect(to_hwnd(hwnd), nullptr, FALSE);
  const ::RECT part = to_rect(*rect);
  return ::InvalidateRect(to_hwnd(hwnd), &part, FALSE);
}

plat::BOOL Win32Platform::AdjustWindowRectEx(plat::RECT* rect, plat::DWORD style, plat::BOOL menu,
                                             plat::DWORD ex_style) {
  ::RECT r = to_rect(*rect);
  const BOOL ok = ::AdjustWindowRectEx(&r, style, menu, ex_style);
  if (ok) *rect = from_rect(r);
  return ok;
}

}  // namespace win32
