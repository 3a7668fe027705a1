#include "platform/win32/gdiplus_library.h"

#include "platform/win32/entry_point.h"
#include "platform/win32/library_search.h"
#include "platform/win32/win32_platform.h"

namespace win32 {

GdiplusLibrary load_gdiplus(Win32Platform& os) {
  GdiplusLibrary library;
  library.module = load_system_library(os, "gdiplus.dll");
  HMODULE module = library.module.get();
  library.startup = entry_point<decltype(library.startup)>(module, "GdiplusStartup");
  library.shutdown = entry_point<decltype(library.shutdown)>(module, "GdiplusShutdown");
  library.create_bitmap_from_stream =
      entry_point<decltype(library.create_bitmap_from_stream)>(module, "GdipCreateBitmapFromStream");
  library.create_hbitmap_from_bitmap =
      entry_point<decltype(library.create_hbitmap_from_bitmap)>(module, "GdipCreateHBITMAPFromBitmap");
  library.dispose_image = entry_point<decltype(library.dispose_image)>(module, "GdipDisposeImage");
  return library;
}

// Looked up once; null when the system's GDI+ is missing or incomplete,
// and then nothing is started or decoded.
const GdiplusLibrary* Win32Platform::gdiplus() {
  if (!gdiplus_) gdiplus_ = std::make_unique<GdiplusLibrary>(load_gdiplus(*this));
  return gdiplus_->complete() ? gdiplus_.get() : nullptr;
}

}  // namespace win32
