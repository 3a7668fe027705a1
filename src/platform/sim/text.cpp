#include "platform/sim/text.h"

#include <array>
#include <cstdio>

namespace sim {
namespace {

// Windows-1252 bytes 0x80..0x9F; undefined bytes map to themselves.
constexpr std::array<char16_t, 32> kHigh = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

bool is_high_surrogate(char16_t c) { return c >= 0xD800 && c <= 0xDBFF; }
bool is_low_surrogate(char16_t c) { return c >= 0xDC00 && c <= 0xDFFF; }

}  // namespace

std::u16string cp1252_to_utf16(std::string_view text) {
  std::u16string out;
  out.reserve(text.size());
  for (char ch : text) {
    const auto b = static_cast<unsigned char>(ch);
    out.push_back(b >= 0x80 && b < 0xA0 ? kHigh[b - 0x80] : static_cast<char16_t>(b));
  }
  return out;
}

std::string utf16_to_cp1252(std::u16string_view text) {
  std::string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char16_t c = text[i];
    if (is_high_surrogate(c) && i + 1 < text.size() && is_low_surrogate(text[i + 1])) {
      out.push_back('?');
      ++i;
      continue;
    }
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) {
      out.push_back(static_cast<char>(c));
      continue;
    }
    char mapped = '?';
    for (std::size_t k = 0; k < kHigh.size(); ++k) {
      if (kHigh[k] == c) {
        mapped = static_cast<char>(0x80 + k);
        break;
      }
    }
    out.push_back(mapped);
  }
  return out;
}

std::u16string utf8_to_utf16(std::string_view text) {
  std::u16string out;
  std::size_t i = 0;
  while (i < text.size()) {
    const auto b = static_cast<unsigned char>(text[i]);
    const std::size_t n = b < 0x80 ? 1 : (b >> 5) == 0x6 ? 2 : (b >> 4) == 0xE ? 3 : (b >> 3) == 0x1E ? 4 : 0;
    char32_t cp = n == 1 ? b : n == 2 ? (b & 0x1F) : n == 3 ? (b & 0x0F) : (b & 0x07);
    bool ok = n != 0 && i + n <= text.size();
    for (std::size_t k = 1; ok && k < n; ++k) {
      const auto c = static_cast<unsigned char>(text[i + k]);
      ok = (c & 0xC0) == 0x80;
      cp = (cp << 6) | (c & 0x3F);
    }
    if (!ok) {
      out.push_back(0xFFFD);
      ++i;
      continue;
    }
    i += n;
    if (cp >= 0x10000) {
      out.push_back(static_cast<char16_t>(0xD800 + ((cp - 0x10000) >> 10)));
      out.push_back(static_cast<char16_t>(0xDC00 + ((cp - 0x10000) & 0x3FF)));
    } else {
      out.push_back(static_cast<char16_t>(cp));
    }
  }
  return out;
}

std::string utf16_to_utf8(std::u16string_view text) {
  std::string out;
  for (std::size_t i = 0; i < text.size(); ++i) {
    char32_t cp = text[i];
    if (is_high_surrogate(text[i]) && i + 1 < text.size() && is_low_surrogate(text[i + 1])) {
      cp = 0x10000 + ((cp - 0xD800) << 10) + (text[i + 1] - 0xDC00);
      ++i;
    } else if (is_high_surrogate(text[i]) || is_low_surrogate(text[i])) {
      cp = 0xFFFD;
    }
    if (cp < 0x80) {
      out.push_back(static_cast<char>(cp));
    } else if (cp < 0x800) {
      out.push_back(static_cast<char>(0xC0 | (cp >> 6)));
      out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    } else if (cp < 0x10000) {
      out.push_back(static_cast<char>(0xE0 | (cp >> 12)));
      out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
      out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    } else {
      out.push_back(static_cast<char>(0xF0 | (cp >> 18)));
      out.push_back(static_cast<char>(0x80 | ((cp >> 12) & 0x3F)));
      out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
      out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    }
  }
  return out;
}

std::string error_text(std::uint32_t code) {
  if ((code & 0xFFFF0000u) == 0x80070000u) code &= 0xFFFFu;
  switch (code) {
    case 0:
      return "The operation completed successfully";
    case ERROR_FILE_NOT_FOUND:
      return "The system cannot find the file specified";
    case ERROR_PATH_NOT_FOUND:
      return "The system cannot find the path specified";
    case ERROR_ACCESS_DENIED:
      return "Access is denied";
    case ERROR_INVALID_HANDLE:
      return "The handle is invalid";
    case ERROR_SHARING_VIOLATION:
      return "The process cannot access the file because it is being used by another process";
    case ERROR_FILE_EXISTS:
      return "The file exists";
    case ERROR_INVALID_PARAMETER:
      return "The parameter is incorrect";
    case ERROR_INSUFFICIENT_BUFFER:
      return "The data area passed to a system call is too small";
    case ERROR_MOD_NOT_FOUND:
      return "The specified module could not be found";
    case ERROR_PROC_NOT_FOUND:
      return "The specified procedure could not be found";
    case ERROR_ALREADY_EXISTS:
      return "Cannot create a file when that file already exists";
    case ERROR_NONE_MAPPED:
      return "No mapping between account names and security IDs was done";
    case ERROR_INVALID_WINDOW_HANDLE:
      return "Invalid window handle";
    case 0x80004001u:
      return "Not implemented";
    case 0x80004005u:
      return "Unspecified error";
    case 0x8000FFFFu:
      return "Catastrophic failure";
    case 0x80004002u:
      return "No such interface supported";
    default: {
      char buf[24];
      std::snprintf(buf, sizeof buf, "Error 0x%08X", code);
      return buf;
    }
  }
}

std::string_view english_day_name(int day_of_week) {
  static constexpr std::string_view names[] = {"Sunday",   "Monday", "Tuesday", "Wednesday",
                                               "Thursday", "Friday", "Saturday"};
  return day_of_week >= 0 && day_of_week < 7 ? names[day_of_week] : std::string_view{};
}

std::string_view english_short_month(int month) {
  static constexpr std::string_view names[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                               "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
  return month >= 1 && month <= 12 ? names[month - 1] : std::string_view{};
}

}  // namespace sim
