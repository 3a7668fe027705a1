// The layered-window calls by name: looked up in user32 once, so that the
// exe still loads on a system without them, and then called without a
// test because a missing one is replaced by a stand-in that fails.
#pragma once

#include "platform/win32/win32_headers.h"
#include "platform/win32/win32_platform.h"

namespace win32 {

struct LayeredApi {
  using SetAttributes = BOOL(WINAPI*)(HWND, COLORREF, BYTE, DWORD);
  using GetAttributes = BOOL(WINAPI*)(HWND, COLORREF*, BYTE*, DWORD*);
  using Update = BOOL(WINAPI*)(HWND, HDC, ::POINT*, ::SIZE*, HDC, ::POINT*, COLORREF, ::BLENDFUNCTION*, DWORD);

  SetAttributes set_attributes;
  GetAttributes get_attributes;
  Update update;
};

LayeredApi look_up_layered_api();

}  // namespace win32
