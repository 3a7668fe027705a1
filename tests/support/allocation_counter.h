// Counting heap allocations around a piece of code. The program's global
// operator new is replaced once, here, for both test programs; a test
// switches counting on and off around what it measures and reads the
// count. Timers tick for the program's whole life, so their steady-state
// ticks must not allocate.
#pragma once

#include <atomic>

namespace support::allocation {

inline std::atomic<bool> counting{false};
inline std::atomic<long> allocations{0};

}  // namespace support::allocation
