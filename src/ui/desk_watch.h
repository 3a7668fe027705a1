// The desk as a watch that runs every few tens of milliseconds sees it.
// Monitors come, go and move only with a WM_DISPLAYCHANGE, which every
// top-level window receives; until its form hears of one, the watch
// answers from what it last learnt: the desk's bounds, the monitor the
// pointer was last found on, and whether anything lies beyond the edge
// point it last looked at. Under Wine each monitor query is a round trip
// to the server, so a pointer resting anywhere costs none.
#pragma once

#include <optional>

#include "platform/platform.h"

namespace ui {

class DeskWatch {
 public:
  // The bounding rectangle of every monitor (see desk_rect).
  plat::RECT desk();
  // The monitor whose last column the point is on, when no monitor lies
  // beyond that column at the point's height: there the pointer stops.
  std::optional<plat::RECT> right_edge_at(plat::POINT point) { return edge_at(point, true); }
  // The same for a monitor's first column.
  std::optional<plat::RECT> left_edge_at(plat::POINT point) { return edge_at(point, false); }
  // The desk changed: everything is asked again.
  void forget();

 private:
  std::optional<plat::RECT> monitor_at(plat::POINT point);
  std::optional<plat::RECT> edge_at(plat::POINT point, bool right);
  // Whether some monitor holds the point just beyond an edge.
  bool beyond_is_on_a_monitor(plat::POINT beyond);

  std::optional<plat::RECT> desk_;
  std::optional<plat::RECT> monitor_;
  std::optional<plat::POINT> beyond_;
  bool beyond_on_a_monitor_ = false;
};

}  // namespace ui
