// Text services of the simulated desktop: the Windows-1252 code page, the
// system's English error messages, and a fixed English locale.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "platform/sim/types.h"

namespace sim {

// MultiByteToWideChar(1252): the five bytes 1252 leaves undefined map to
// the C1 controls of the same value, as Windows does.
std::u16string cp1252_to_utf16(std::string_view text);
// WideCharToMultiByte(1252) without best-fit: a character the code page
// lacks (a surrogate pair counts as one) becomes '?'.
std::string utf16_to_cp1252(std::u16string_view text);
// For logs and browser records, and the code page of a process whose
// manifest asks for UTF-8 (Windows 10 1903 on).
std::string utf16_to_utf8(std::u16string_view text);
// MultiByteToWideChar(CP_UTF8): an invalid or cut sequence becomes U+FFFD.
std::u16string utf8_to_utf16(std::string_view text);

// FormatMessage(FROM_SYSTEM) for the codes the desktop reports, trailing
// full stop removed; HRESULTs of the Win32 facility read as their code.
// Unknown codes read "Error 0x%08X".
std::string error_text(std::uint32_t code);

std::string_view english_day_name(int day_of_week);  // 0 = Sunday; "" out of range
std::string_view english_short_month(int month);     // 1..12; "" out of range

}  // namespace sim
