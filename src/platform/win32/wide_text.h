// The seam's 8-bit text as UTF-16 for the system's wide calls.
//
// The seam hands text over in the process's code page (CP_ACP): with the
// manifest's UTF-8 setting that is UTF-8 from Windows 10 1903 on, and the
// narrow USER and locale calls (GetWindowTextA, GetLocaleInfoA,
// GetUserNameA) answer in it. GDI's narrow text calls do not follow the
// per-process setting and read the system code page, so "miércoles" would
// be drawn as "miÃ©rcoles". Text is therefore converted once, here, and
// drawn and measured with the wide calls.
#pragma once

#include <string>
#include <string_view>

#include "platform/win32/win32_headers.h"

namespace win32 {

// Bytes that are not valid in the code page become U+FFFD, as
// MultiByteToWideChar does without MB_ERR_INVALID_CHARS; nothing is dropped
// silently and the call never fails on them.
std::wstring to_wide(std::string_view text, UINT code_page = CP_ACP);

}  // namespace win32
