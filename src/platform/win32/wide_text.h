// The seam's 8-bit text as UTF-16 for the system's wide calls.
//
// The seam hands text over in the process's code page (CP_ACP): with the
// manifest's UTF-8 setting that is UTF-8 from Windows 10 1903 on, and the
// narrow USER calls (GetWindowTextA, GetUserNameA) answer in it; locale
// texts are asked for wide and converted (locale_text below). GDI's narrow text calls do not follow the
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

// UTF-16 as the seam's 8-bit text, in the process's code page.
std::string to_narrow(std::wstring_view text);

// A locale's text in the process's code page. GetLocaleInfoA would not do:
// without LOCALE_USE_CP_ACP it converts with the *locale's* ANSI code page
// (1252 for Spanish), so under the UTF-8 manifest "miércoles" arrived as
// bytes that the canvas's CP_ACP conversion reads as "mi\uFFFDrcoles". The
// wide call and one conversion by CP_ACP cannot disagree.
std::string locale_text(LCID locale, LCTYPE type);

}  // namespace win32
