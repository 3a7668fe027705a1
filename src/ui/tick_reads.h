// The pointer and the foreground window as the watches ticking at one
// instant see them. The icon bar's and the strip's watches tick together
// on one system timer's tick, and each asks for both; under Wine every
// such read is a round trip to the server (the pointer's with a check of
// the display configuration besides). Within one tick nothing moves the
// pointer and the watches activate nothing, so one read serves them all.
// Outside a tick every call reads afresh.
#pragma once

#include <optional>

#include "platform/platform.h"

namespace ui {

class TickReads {
 public:
  // As GetCursorPos: false when the system refuses the read.
  bool cursor_pos(plat::POINT* out);
  plat::HWND foreground_window();

  // Each system timer's tick is an instant of its own, also one taken
  // inside another's (a box's loop).
  void begin_tick();
  void end_tick();

 private:
  bool in_tick_ = false;
  std::optional<plat::POINT> pointer_;
  bool pointer_refused_ = false;
  std::optional<plat::HWND> foreground_;
};

}  // namespace ui
