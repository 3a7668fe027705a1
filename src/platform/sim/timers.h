// Window timers with Win32's semantics: due every interval from when they
// were set, restarted by a second SetTimer with the same id, and coalesced
// so that a timer fires at most once per check however many intervals
// passed.
#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <utility>
#include <vector>

#include "platform/sim/types.h"

namespace sim {

struct TimerKey {
  HWND hwnd = 0;
  std::uintptr_t id = 0;
  friend auto operator<=>(const TimerKey&, const TimerKey&) = default;
};

class TimerTable {
 public:
  // Win32 raises intervals below USER_TIMER_MINIMUM to it.
  static constexpr UINT kMinimumInterval = 10;
  static constexpr UINT kMaximumInterval = 0x7FFFFFFF;

  void set(TimerKey key, UINT interval, Millis now);
  bool kill(TimerKey key);
  void kill_all(HWND hwnd);

  std::optional<Millis> next_due() const;
  // The earliest timer due at `now` that has not fired in this pump yet;
  // it is rescheduled to its first due time after `now`. Allocates nothing,
  // so that steady-state ticks in tests stay allocation-free.
  std::optional<TimerKey> take_due(Millis now, std::uint64_t pump);

  bool active(TimerKey key) const { return timers_.contains(key); }
  std::optional<UINT> interval(TimerKey key) const;
  std::optional<Millis> due(TimerKey key) const;
  std::size_t size() const { return timers_.size(); }

 private:
  struct Timer {
    UINT interval = 0;
    Millis next_due = 0;
    std::uint64_t order = 0;      // ties at one instant fire in setting order
    std::uint64_t last_pump = 0;  // the pump that fired it last
  };
  std::map<TimerKey, Timer> timers_;
  // Entries of killed timers, reused by the next new timer: a program that
  // switches a timer on and off every few ticks then allocates nothing in
  // steady state, as on Windows.
  std::vector<std::map<TimerKey, Timer>::node_type> spare_;
  std::uint64_t order_ = 0;
};

}  // namespace sim
