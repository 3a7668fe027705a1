// System texts: error messages, the user's day and month names, and the
// conversions between the ANSI code page and UTF-16.
#include <string>

#include "platform/win32/wide_text.h"
#include "platform/win32/win32_platform.h"
#include "platform/win32/win32_headers.h"

namespace win32 {

namespace {

std::string format_system_message(DWORD code) {
  char buffer[1024];
  const DWORD n = ::FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, code, 0,
                                   buffer, sizeof buffer, nullptr);
  std::string text(buffer, n);
  // The system ends its texts with ".\r\n"; callers add their own ending.
  while (!text.empty() && (text.back() == ' ' || text.back() == '\r' || text.back() == '\n' ||
                           text.back() == '.' || text.back() == '\t')) {
    text.pop_back();
  }
  return text;
}

}  // namespace

std::string Win32Platform::system_error_text(plat::DWORD code) { return format_system_message(code); }

std::string Win32Platform::hresult_text(plat::HRESULT hr) {
  return format_system_message(static_cast<DWORD>(hr));
}

std::string Win32Platform::long_day_name(int day_of_week) {
  if (day_of_week < 0 || day_of_week > 6) return {};
  // The locale counts from Monday (LOCALE_SDAYNAME1); the seam from Sunday.
  return locale_text(LOCALE_USER_DEFAULT, LOCALE_SDAYNAME1 + static_cast<LCTYPE>((day_of_week + 6) % 7));
}

std::string Win32Platform::short_month_name(int month) {
  if (month < 1 || month > 12) return {};
  return locale_text(LOCALE_USER_DEFAULT, LOCALE_SABBREVMONTHNAME1 + static_cast<LCTYPE>(month - 1));
}

// wchar_t and char16_t are both UTF-16 code units on Windows; the copies
// between the two string types keep the code free of aliasing casts.
std::u16string Win32Platform::ansi_to_utf16(std::string_view text) {
  const std::wstring wide = to_wide(text);
  return std::u16string(wide.begin(), wide.end());
}

std::string Win32Platform::utf16_to_ansi(std::u16string_view text) {
  return to_narrow(std::wstring(text.begin(), text.end()));
}

}  // namespace win32
