// Registry keys and value names, and resource names, compare without regard
// to ASCII case on Windows; the simulated desktop keys its tables by the
// upper-case form.
#pragma once

#include <string>
#include <string_view>

namespace sim {

inline std::string upper(std::string_view s) {
  std::string out(s);
  for (char& c : out) {
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  }
  return out;
}

}  // namespace sim
