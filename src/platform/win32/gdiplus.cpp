// GDI+ start-up and shut-down through the flat API.
#include "platform/win32/gdiplus_session.h"
#include "platform/win32/win32_platform.h"
#include "platform/win32/win32_headers.h"

#include <objidl.h>
#include <gdiplus.h>

namespace win32 {

namespace {

std::pair<std::uintptr_t, int> startup() {
  const Gdiplus::GdiplusStartupInput input;  // version 1, no callback, own thread
  ULONG_PTR token = 0;
  const Gdiplus::Status status = Gdiplus::GdiplusStartup(&token, &input, nullptr);
  return {status == Gdiplus::Ok ? token : 0, static_cast<int>(status)};
}

}  // namespace

std::uintptr_t start_gdiplus() { return startup().first; }

void stop_gdiplus(std::uintptr_t token) { Gdiplus::GdiplusShutdown(token); }

std::expected<GdiplusSession, int> GdiplusSession::start() {
  auto [token, status] = startup();
  if (!token) return std::unexpected(status);
  return GdiplusSession(token);
}

std::uintptr_t Win32Platform::GdiplusStartup() { return start_gdiplus(); }

void Win32Platform::GdiplusShutdown(std::uintptr_t token) {
  if (token) stop_gdiplus(token);
}

}  // namespace win32
