#include "platform/sim/timers.h"

#include <algorithm>

namespace sim {

void TimerTable::set(TimerKey key, UINT interval, Millis now) {
  interval = std::clamp(interval, kMinimumInterval, kMaximumInterval);
  auto it = timers_.find(key);
  if (it == timers_.end()) {
    if (spare_.empty()) {
      it = timers_.try_emplace(key).first;
    } else {
      auto entry = std::move(spare_.back());
      spare_.pop_back();
      entry.key() = key;
      entry.mapped() = Timer{};
      it = timers_.insert(std::move(entry)).position;
    }
  }
  Timer& t = it->second;
  t.interval = interval;
  t.next_due = now + interval;
  t.order = ++order_;
  t.last_pump = 0;
}

bool TimerTable::kill(TimerKey key) {
  auto entry = timers_.extract(key);
  if (entry.empty()) return false;
  spare_.push_back(std::move(entry));
  return true;
}

void TimerTable::kill_all(HWND hwnd) {
  std::erase_if(timers_, [hwnd](const auto& entry) { return entry.first.hwnd == hwnd; });
}

std::optional<Millis> TimerTable::next_due() const {
  std::optional<Millis> best;
  for (const auto& [key, t] : timers_) {
    if (!best || t.next_due < *best) best = t.next_due;
  }
  return best;
}

std::optional<TimerKey> TimerTable::take_due(Millis now, std::uint64_t pump) {
  Timer* best = nullptr;
  const TimerKey* best_key = nullptr;
  for (auto& [key, t] : timers_) {
    if (t.next_due > now || t.last_pump == pump) continue;
    if (!best || t.next_due < best->next_due || (t.next_due == best->next_due && t.order < best->order)) {
      best = &t;
      best_key = &key;
    }
  }
  if (!best) return std::nullopt;
  const Millis missed = (now - best->next_due) / best->interval + 1;
  best->next_due += missed * best->interval;
  best->last_pump = pump;
  return *best_key;
}

std::optional<UINT> TimerTable::interval(TimerKey key) const {
  auto it = timers_.find(key);
  if (it == timers_.end()) return std::nullopt;
  return it->second.interval;
}

std::optional<Millis> TimerTable::due(TimerKey key) const {
  auto it = timers_.find(key);
  if (it == timers_.end()) return std::nullopt;
  return it->second.next_due;
}

}  // namespace sim
