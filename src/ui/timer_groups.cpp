#include "ui/timer_groups.h"

#include <algorithm>

#include "ui/timer.h"

namespace ui {

using plat::os;

namespace {

// Tick counts wrap every 49.7 days; differences of them do not.
std::int32_t ms_between(plat::DWORD from, plat::DWORD to) { return static_cast<std::int32_t>(to - from); }

}  // namespace

TimerGroups::~TimerGroups() { stop_all(); }

void TimerGroups::stop_all() {
  for (Group& g : groups_) {
    if (g.system_id) os().KillTimer(window_, g.system_id);
    g.system_id = 0;
    g.members.clear();
  }
}

bool TimerGroups::join(Group& g, Timer* timer, plat::DWORD now) {
  const plat::DWORD due = now + g.interval;
  // A group whose tick is due already has it waiting in the queue: that
  // tick comes at once, and the one after it about an interval from now.
  const plat::DWORD next = ms_between(now, g.next_due) > 0 ? g.next_due : now;
  for (std::uint64_t later = 0; later < 2; ++later) {
    const std::int32_t off = ms_between(due, next + static_cast<plat::DWORD>(later) * g.interval);
    if (off >= -static_cast<std::int32_t>(kTolerance) && off <= static_cast<std::int32_t>(kTolerance)) {
      // Capacity stays once grown: a timer switched on and off every few
      // ticks allocates nothing in steady state.
      g.members.push_back({timer, g.ticks + 1 + later});
      return true;
    }
  }
  return false;
}

void TimerGroups::start(Timer* timer, unsigned interval_ms) {
  const plat::DWORD now = os().GetTickCount();
  for (Group& g : groups_) {
    if (g.system_id && g.interval == interval_ms && join(g, timer, now)) return;
  }
  auto free_slot = std::find_if(groups_.begin(), groups_.end(), [](const Group& g) { return g.system_id == 0; });
  if (free_slot == groups_.end()) free_slot = groups_.insert(groups_.end(), Group{});
  Group& g = *free_slot;
  // A fresh id for every system timer: a tick of a killed one that was
  // already queued (KillTimer leaves it there) then finds no group.
  g.system_id = next_system_id_++;
  g.interval = interval_ms;
  g.next_due = now + interval_ms;
  g.members.push_back({timer, g.ticks + 1});
  os().SetTimer(window_, g.system_id, interval_ms);
}

void TimerGroups::stop(Timer* timer) {
  for (Group& g : groups_) {
    auto it = std::find_if(g.members.begin(), g.members.end(), [&](const Member& m) { return m.timer == timer; });
    if (it == g.members.end()) continue;
    // A tick going through the members keeps their places until it ends.
    if (firing_) {
      it->timer = nullptr;
    } else {
      g.members.erase(it);
    }
    leave_if_empty(g);
    return;
  }
}

void TimerGroups::leave_if_empty(Group& g) {
  if (std::any_of(g.members.begin(), g.members.end(), [](const Member& m) { return m.timer != nullptr; })) return;
  os().KillTimer(window_, g.system_id);
  g.system_id = 0;
  if (!firing_) g.members.clear();
}

void TimerGroups::fire(std::uintptr_t system_id) {
  auto found = std::find_if(groups_.begin(), groups_.end(), [&](const Group& g) { return g.system_id == system_id; });
  if (system_id == 0 || found == groups_.end()) return;
  // Indices, not references: a tick may start a timer of a new interval,
  // which can grow the list of groups.
  const auto index = static_cast<std::size_t>(found - groups_.begin());
  std::uint64_t tick = 0;
  {
    Group& g = groups_[index];
    const plat::DWORD now = os().GetTickCount();
    // The system timer keeps its own schedule, one interval after another
    // from when it was set, however late its tick is taken; a tick taken
    // early by the clock's own resolution starts the count afresh.
    const std::int32_t late = ms_between(g.next_due, now);
    if (late < 0) {
      g.next_due = now + g.interval;
    } else {
      g.next_due += g.interval * (static_cast<plat::DWORD>(late) / g.interval + 1);
    }
    tick = ++g.ticks;
  }
  ++firing_;
  for (std::size_t i = 0; i < groups_[index].members.size(); ++i) {
    const Member m = groups_[index].members[i];
    if (m.timer && m.first_tick <= tick) m.timer->tick();
  }
  if (--firing_ == 0) compact();
}

void TimerGroups::compact() {
  for (Group& g : groups_) {
    std::erase_if(g.members, [](const Member& m) { return m.timer == nullptr; });
  }
}

}  // namespace ui
