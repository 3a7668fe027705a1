// The desktop's top-level windows in z-order, topmost band first. The
// topmost flag of each entry is the window's WS_EX_TOPMOST; every
// operation keeps the band invariant (no ordinary window above a topmost
// one).
#pragma once

#include <vector>

#include "platform/sim/types.h"

namespace sim {

class ZOrder {
 public:
  // New windows go to the top of their band, as CreateWindowEx puts them.
  void insert(HWND hwnd, bool topmost);
  void remove(HWND hwnd);

  void to_top(HWND hwnd);            // HWND_TOP: top of its own band
  void make_topmost(HWND hwnd);      // HWND_TOPMOST: top of the topmost band
  void make_notopmost(HWND hwnd);    // HWND_NOTOPMOST: no effect on an ordinary window
  void to_bottom(HWND hwnd);         // HWND_BOTTOM: loses topmost
  // Right behind `after`. Like Win32, the window takes the band of the
  // place it lands in: behind an ordinary window it becomes ordinary,
  // inside the topmost band it becomes topmost; right behind the last
  // topmost window both bands meet and it keeps its own.
  void place_after(HWND hwnd, HWND after);

  bool contains(HWND hwnd) const;
  bool topmost(HWND hwnd) const;
  HWND first() const;
  HWND last() const;
  HWND next(HWND hwnd) const;
  HWND prev(HWND hwnd) const;
  std::vector<HWND> order() const;

 private:
  struct Entry {
    HWND hwnd;
    bool topmost;
  };
  std::size_t index_of(HWND hwnd) const;  // size() when absent
  std::size_t topmost_count() const;
  Entry take(HWND hwnd);
  std::vector<Entry> entries_;
};

}  // namespace sim
