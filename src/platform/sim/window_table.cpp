#include "platform/sim/window_table.h"

namespace sim {

Window& WindowTable::add(Window window) {
  while (next_ == 0 || windows_.contains(next_)) next_ += 2;
  window.hwnd = next_;
  next_ += 2;
  auto owned = std::make_unique<Window>(std::move(window));
  Window& ref = *owned;
  windows_.emplace(ref.hwnd, std::move(owned));
  return ref;
}

Window* WindowTable::find(HWND hwnd) {
  auto it = windows_.find(hwnd);
  return it == windows_.end() ? nullptr : it->second.get();
}

const Window* WindowTable::find(HWND hwnd) const {
  auto it = windows_.find(hwnd);
  return it == windows_.end() ? nullptr : it->second.get();
}

HWND WindowTable::find_by_name(std::string_view name) const {
  for (const auto& [hwnd, w] : windows_) {
    if (w->name == name) return hwnd;
  }
  return 0;
}

}  // namespace sim
