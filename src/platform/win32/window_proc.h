// The one window procedure of every window the product creates. A window's
// sink travels in CreateWindowExA's creation parameter; the procedure keeps
// it with the window and decodes messages into the sink's typed events.
#pragma once

#include "platform/win32/win32_headers.h"

namespace win32 {

LRESULT CALLBACK window_proc(HWND hwnd, UINT msg, WPARAM wparam, LPARAM lparam);

}  // namespace win32
