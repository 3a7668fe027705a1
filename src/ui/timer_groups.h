// The system timers behind the toolkit's timers. Timers of one interval
// whose ticks fall together share one system timer: each system timer's
// expiry wakes the thread, and under Wine costs a round trip to the server
// besides, and the icon bar's slide-out timer, switched on and off twenty
// times a second while the bar is out, would cost two more calls each
// time. Joining a group that already ticks needs no system call at all.
//
// A timer joins a group whose interval divides its own, ticking at every
// n-th of the group's ticks, and only when one of the group's ticks lies
// within kTolerance of the timer's own first due time (one interval after
// it was enabled); otherwise it gets a system timer of its own. So every
// timer still ticks at its interval, its first tick moves by less than the
// system timer's own resolution (about 15.6 ms on Windows, where a single
// SetTimer's first tick moves as much), and a timer enabled from a tick
// of its own group, as every switch of the bar's timers is, ticks exactly
// as it did with a system timer of its own. The icon bar's 25 ms pointer
// watch ticks for the program's whole life, so the strip's, the location
// bar's and the clocks' watches wake the thread on its ticks and never on
// their own: the program wakes as often as one 25 ms timer would.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "platform/platform.h"
#include "ui/tick_reads.h"

namespace ui {

class Timer;

class TimerGroups {
 public:
  // Below the system timer's resolution, so that sharing changes no timer's
  // first tick by more than the system itself would.
  static constexpr plat::DWORD kTolerance = 15;

  TimerGroups() = default;
  ~TimerGroups();
  TimerGroups(const TimerGroups&) = delete;
  TimerGroups& operator=(const TimerGroups&) = delete;

  // The window the system timers are set on.
  void attach(plat::HWND window) { window_ = window; }
  void start(Timer* timer, unsigned interval_ms);
  void stop(Timer* timer);
  // A system timer's tick: every member due at it ticks, in the order they
  // joined, as separate timers due at one instant fire in setting order.
  void fire(std::uintptr_t system_id);
  void stop_all();
  TickReads& reads() { return reads_; }

 private:
  struct Member {
    Timer* timer = nullptr;        // null once stopped during a tick
    std::uint64_t first_tick = 0;  // the group's tick count at its first tick
    std::uint64_t every = 1;       // the group's ticks per tick of the timer
  };
  struct Group {
    unsigned interval = 0;
    std::uintptr_t system_id = 0;  // 0: no system timer, the slot is free
    std::uint64_t ticks = 0;
    plat::DWORD next_due = 0;      // GetTickCount's value at the next tick
    std::vector<Member> members;
  };

  static std::optional<std::uint64_t> first_tick_in(const Group& group, unsigned interval_ms, plat::DWORD now);
  void leave_if_empty(Group& group);
  void compact();

  plat::HWND window_ = 0;
  std::vector<Group> groups_;
  std::uintptr_t next_system_id_ = 1;
  TickReads reads_;
  int firing_ = 0;  // ticks in progress, nested ones (a box's loop) included
};

}  // namespace ui
