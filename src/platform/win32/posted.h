// The program's own posted messages travel as WM_APP + n: numbers the
// system and other programs leave alone, so a toolkit number like 2 is
// never taken for WM_DESTROY.
#pragma once

#include "platform/win32/win32_headers.h"

namespace win32 {

inline constexpr UINT kPostedFirst = WM_APP;
inline constexpr UINT kPostedLast = 0xBFFF;  // the end of the application's range

}  // namespace win32
