// GDI+ start-up and shut-down through the flat API. The owner of the
// session is app::GdiplusSession, through the seam.
#include "platform/win32/gdiplus_library.h"
#include "platform/win32/win32_platform.h"

namespace win32 {

// Version 1, no debug callback, GDI+'s own background thread. The token
// is 0 when start-up failed, also when the system's GDI+ could not be
// loaded.
std::uintptr_t Win32Platform::GdiplusStartup() {
  const GdiplusLibrary* library = gdiplus();
  if (!library) return 0;
  const Gdiplus::GdiplusStartupInput input;
  ULONG_PTR token = 0;
  return library->startup(&token, &input, nullptr) == Gdiplus::Ok ? token : 0;
}

void Win32Platform::GdiplusShutdown(std::uintptr_t token) {
  if (token) gdiplus()->shutdown(token);
}

}  // namespace win32
