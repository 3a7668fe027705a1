#include "platform/win32/wide_text.h"

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

}  // namespace win32
