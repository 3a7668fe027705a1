// Building message texts. (The toolchains here predate <format>.)
#pragma once

#include <cstdint>
#include <cstdio>
#include <string>
#include <string_view>
#include <type_traits>

namespace ui {

namespace detail {
inline void append(std::string& out, std::string_view s) { out += s; }
inline void append(std::string& out, const char* s) { out += s; }
inline void append(std::string& out, const std::string& s) { out += s; }
inline void append(std::string& out, char c) { out += c; }
template <class T>
  requires std::is_integral_v<T>
void append(std::string& out, T v) {
  out += std::to_string(v);
}
}  // namespace detail

// Joins strings and integers into one text.
template <class... Parts>
std::string cat(const Parts&... parts) {
  std::string out;
  (detail::append(out, parts), ...);
  return out;
}

// 0x1234ABCD, as result codes are written.
inline std::string hex32(std::uint32_t v) {
  char buf[16];
  std::snprintf(buf, sizeof buf, "0x%08X", static_cast<unsigned>(v));
  return buf;
}

}  // namespace ui
