#include "platform/win32/wide_text.h"

#include <iterator>

namespace win32 {

std::wstring to_wide(std::string_view text, UINT code_page) {
  if (text.empty()) return {};
  const int size = static_cast<int>(text.size());
  const int n = ::MultiByteToWideChar(code_page, 0, text.data(), size, nullptr, 0);
  if (n <= 0) return {};
  std::wstring wide(static_cast<std::size_t>(n), L'\0');
  ::MultiByteToWideChar(code_page, 0, text.data(), size, wide.data(), n);
  return wide;
}

std::string to_narrow(std::wstring_view text) {
  if (text.empty()) return {};
  const int size = static_cast<int>(text.size());
  const int n = ::WideCharToMultiByte(CP_ACP, 0, text.data(), size, nullptr, 0, nullptr, nullptr);
  if (n <= 0) return {};
  std::string narrow(static_cast<std::size_t>(n), '\0');
  ::WideCharToMultiByte(CP_ACP, 0, text.data(), size, narrow.data(), n, nullptr, nullptr);
  return narrow;
}

std::string locale_text(LCID locale, LCTYPE type) {
  wchar_t buffer[128];
  const int n = ::GetLocaleInfoW(locale, type, buffer, static_cast<int>(std::size(buffer)));
  return n > 0 ? to_narrow(std::wstring_view(buffer, static_cast<std::size_t>(n - 1))) : std::string();
}

}  // namespace win32
