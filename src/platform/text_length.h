// Text lengths in characters, as the system counts them, for the seam's
// 8-bit text. That text is in the process's code page, and in UTF-8 (the
// manifest's choice from Windows 10 1903 on) a character takes up to three
// bytes (a pair of UTF-16 units four); the system's limits count UTF-16
// units, so a limit in bytes would cut a title or a name written in
// another script short.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "platform/platform.h"

namespace plat {

// Bytes the longest character of any code page takes per UTF-16 unit.
inline constexpr std::size_t kMaxBytesPerUnit = 3;

// A buffer for `chars` characters and the terminating zero, in bytes.
inline constexpr std::size_t text_buffer_bytes(std::size_t chars) { return chars * kMaxBytesPerUnit + 1; }

inline std::size_t char_count(std::string_view text) { return os().ansi_to_utf16(text).size(); }

// The first `chars` characters of `text`; a surrogate pair is never split.
inline std::string first_chars(std::string_view text, std::size_t chars) {
  std::u16string wide = os().ansi_to_utf16(text);
  if (wide.size() <= chars) return std::string(text);
  std::size_t n = chars;
  if (n > 0 && wide[n - 1] >= 0xD800 && wide[n - 1] <= 0xDBFF) --n;
  wide.resize(n);
  return os().utf16_to_ansi(wide);
}

}  // namespace plat
