// GDI+ start-up and shut-down through the flat API. The owner of the
// session is app::GdiplusSession, through the seam.
#include "platform/win32/win32_platform.h"
#include "platform/win32/win32_headers.h"

#include <objidl.h>
#include <gdiplus.h>

namespace win32 {

// Version 1, no debug callback, GDI+'s own background thread. The token
// is 0 when start-up failed.
std::uintptr_t Win32Platform::GdiplusStartup() {
  const Gdiplus::GdiplusStartupInput input;
  ULONG_PTR token = 0;
  return Gdiplus::GdiplusStartup(&token, &input, nullptr) == Gdiplus::Ok ? token : 0;
}

void Win32Platform::GdiplusShutdown(std::uintptr_t token) {
  if (token) Gdiplus::GdiplusShutdown(token);
}

}  // namespace win32
