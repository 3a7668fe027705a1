#include "ui/timer_groups.h"

#include <algorithm>
#include <optional>

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

// The group's tick count at which a timer of this interval, enabled now,
// would first tick in it, or nothing when no tick of the group falls
// within the tolerance of its first due time.
std::optional<std::uint64_t> TimerGroups::first_tick_in(const Group& g, unsigned interval_ms, plat::DWORD now) {
  if (!g.system_id || interval_ms % g.interval != 0) return std::nullopt;
  const plat::DWORD due = now + interval_ms;
  // A group whose tick is due already has it waiting in the queue: that
  // tick comes at once, and the others an interval apart after it.
  const plat::DWORD next = ms_between(now, g.next_due) > 0 ? g.next_due : now;
  // The group's tick nearest the first due time, never one before `next`.
  const std::int32_t ahead = std::max<std::int32_t>(0, ms_between(next, due));
  const auto interval = static_cast<std::int32_t>(g.interval);
  const auto later = static_cast<std::uint64_t>((ahead + interval / 2) / interval);
  const std::int32_t off = ms_between(due, next + static_cast<plat::DWORD>(later) * g.interval);
  if (off < -static_cast<std::int32_t>(kTolerance) || off > static_cast<std::int32_t>(kTolerance)) return std::nullopt;
  return g.ticks + 1 + later;
}

void TimerGroups::start(Timer* timer, unsigned interval_ms) {
  const plat::DWORD now = os().GetTickCount();
  // The coarsest group that can take it, its own interval's first.
  Group* best = nullptr;
  std::uint64_t best_first = 0;
  for (Group& g : groups_) {
    if (best && g.interval <= best->interval) continue;
    if (const auto first = first_tick_in(g, interval_ms, now)) {
      best = &g;
      best_first = *first;
    }
  }
  if (best) {
    // Capacity stays once grown: a timer switched on and off every few
    // ticks allocates nothing in steady state.
    best->members.push_back({timer, best_first, interval_ms / best->interval});
    return;
  }
  auto free_slot = std::find_if(groups_.begin(), groups_.end(), [](const Group& g) { return g.system_id == 0; });
  if (free_slot == groups_.end()) free_slot = groups_.insert(groups_.end(), Group{});
  Group& g = *free_slot;
  // A fresh id for every system timer: a tick of a killed one that was
  // already queued (KillTimer leaves it there) then finds no group.
  g.system_id = next_system_id_++;
  g.interval = interval_ms;
  g.next_due = now + interval_ms;
  g.members.push_back({timer, g.ticks + 1, 1});
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
  reads_.begin_tick();
  for (std::size_t i = 0; i < groups_[index].members.size(); ++i) {
    const Member m = groups_[index].members[i];
    if (m.timer && m.first_tick <= tick && (tick - m.first_tick) % m.every == 0) m.timer->tick();
  }
  if (--firing_ == 0) {
    reads_.end_tick();
    compact();
  }
}

void TimerGroups::compact() {
  for (Group& g : groups_) {
    std::erase_if(g.members, [](const Member& m) { return m.timer == nullptr; });
  }
}

}  // namespace ui
