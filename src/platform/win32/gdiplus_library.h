// GDI+'s flat entry points, taken from the system folder's copy. GDI+ is
// not among the DLLs that Windows only ever loads from there (KnownDLLs),
// so a load-time import of it would be looked for beside the exe first,
// and the folder a user downloaded may hold any file of that name.
#pragma once

#include "platform/win32/handles.h"

#include <objidl.h>
#include <gdiplus.h>

namespace win32 {

class Win32Platform;

struct GdiplusLibrary {
  UniqueModule module;
  decltype(&Gdiplus::GdiplusStartup) startup = nullptr;
  decltype(&Gdiplus::GdiplusShutdown) shutdown = nullptr;
  decltype(&Gdiplus::DllExports::GdipCreateBitmapFromStream) create_bitmap_from_stream = nullptr;
  decltype(&Gdiplus::DllExports::GdipCreateHBITMAPFromBitmap) create_hbitmap_from_bitmap = nullptr;
  decltype(&Gdiplus::DllExports::GdipDisposeImage) dispose_image = nullptr;

  // Every entry the program uses was found.
  bool complete() const {
    return startup && shutdown && create_bitmap_from_stream && create_hbitmap_from_bitmap && dispose_image;
  }
};

// The library loaded by full path, with whatever entries it has.
GdiplusLibrary load_gdiplus(Win32Platform& os);

}  // namespace win32
