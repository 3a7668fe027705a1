// The virtual clock: tick count and local time move only when a test
// advances the desktop or the program sleeps.
#pragma once

#include <cstdint>

#include "platform/sim/types.h"

namespace sim {

class VirtualClock {
 public:
  VirtualClock();

  Millis now() const { return now_; }
  // Moves the clock forward; it never runs backwards.
  void set(Millis t);

  // GetTickCount: the base plus elapsed time, wrapping at 2^32 like Win32.
  DWORD tick_count() const { return static_cast<DWORD>(tick_base_ + now_); }
  void set_tick_base(DWORD base) { tick_base_ = base; }

  // The local time at this instant; later readings add elapsed time to it.
  // wDayOfWeek is ignored and recomputed from the date.
  void set_local_time(const SYSTEMTIME& at_now);
  SYSTEMTIME local_time() const;

 private:
  Millis now_ = 0;
  DWORD tick_base_ = 0;
  std::int64_t local_epoch_ms_ = 0;  // local time, in ms since 1970-01-01, at set_at_
  Millis set_at_ = 0;
};

// Civil date arithmetic in the proleptic Gregorian calendar.
std::int64_t to_epoch_ms(const SYSTEMTIME& t);
SYSTEMTIME from_epoch_ms(std::int64_t ms);

}  // namespace sim
