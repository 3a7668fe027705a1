// The vocabulary of the simulated desktop: the seam's Win32 types and
// constants (platform/winapi.h, their one home), and the desktop's own time
// and process ids.
#pragma once

#include <cstdint>

#include "platform/platform.h"

namespace sim {

// The seam's types and Win32 constants, unqualified, as in Win32 code.
using namespace plat;

// Virtual milliseconds since the desktop was made; the only time there is.
using Millis = std::uint64_t;

// Process ids: the program under test is always process 1.
inline constexpr DWORD kOurProcess = 1;
inline constexpr DWORD kOtherProcess = 2;

}  // namespace sim
