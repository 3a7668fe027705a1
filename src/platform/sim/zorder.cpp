#include "platform/sim/zorder.h"

#include <algorithm>

namespace sim {

std::size_t ZOrder::index_of(HWND hwnd) const {
  for (std::size_t i = 0; i < entries_.size(); ++i) {
    if (entries_[i].hwnd == hwnd) return i;
  }
  return entries_.size();
}

std::size_t ZOrder::topmost_count() const {
  return static_cast<std::size_t>(
      std::count_if(entries_.begin(), entries_.end(), [](const Entry& e) { return e.topmost; }));
}

ZOrder::Entry ZOrder::take(HWND hwnd) {
  const std::size_t i = index_of(hwnd);
  if (i == entries_.size()) return {hwnd, false};
  Entry e = entries_[i];
  entries_.erase(entries_.begin() + static_cast<std::ptrdiff_t>(i));
  return e;
}

void ZOrder::insert(HWND hwnd, bool topmost) {
  remove(hwnd);
  const std::size_t at = topmost ? 0 : topmost_count();
  entries_.insert(entries_.begin() + static_cast<std::ptrdiff_t>(at), Entry{hwnd, topmost});
}

void ZOrder::remove(HWND hwnd) { take(hwnd); }

void ZOrder::to_top(HWND hwnd) {
  if (!contains(hwnd)) return;
  insert(hwnd, take(hwnd).topmost);
}

void ZOrder::make_topmost(HWND hwnd) {
  if (!contains(hwnd)) return;
  take(hwnd);
  insert(hwnd, true);
}

void ZOrder::make_notopmost(HWND hwnd) {
  if (!contains(hwnd) || !topmost(hwnd)) return;
  take(hwnd);
  insert(hwnd, false);
}

void ZOrder::to_bottom(HWND hwnd) {
  if (!contains(hwnd)) return;
  take(hwnd);
  entries_.push_back(Entry{hwnd, false});
}

void ZOrder::place_after(HWND hwnd, HWND after) {
  if (hwnd == after || !contains(hwnd) || !contains(after)) return;
  Entry e = take(hwnd);
  const std::size_t a = index_of(after);
  if (!entries_[a].topmost) {
    e.topmost = false;
  } else if (a + 1 < entries_.size() && entries_[a + 1].topmost) {
    e.topmost = true;
  }
  entries_.insert(entries_.begin() + static_cast<std::ptrdiff_t>(a + 1), e);
}

bool ZOrder::contains(HWND hwnd) const { return index_of(hwnd) != entries_.size(); }

bool ZOrder::topmost(HWND hwnd) const {
  const std::size_t i = index_of(hwnd);
  return i != entries_.size() && entries_[i].topmost;
}

HWND ZOrder::first() const { return entries_.empty() ? 0 : entries_.front().hwnd; }

HWND ZOrder::last() const { return entries_.empty() ? 0 : entries_.back().hwnd; }

HWND ZOrder::next(HWND hwnd) const {
  const std::size_t i = index_of(hwnd);
  return i + 1 < entries_.size() ? entries_[i + 1].hwnd : 0;
}

HWND ZOrder::prev(HWND hwnd) const {
  const std::size_t i = index_of(hwnd);
  return (i != entries_.size() && i > 0) ? entries_[i - 1].hwnd : 0;
}

std::vector<HWND> ZOrder::order() const {
  std::vector<HWND> out;
  out.reserve(entries_.size());
  for (const Entry& e : entries_) out.push_back(e.hwnd);
  return out;
}

}  // namespace sim
