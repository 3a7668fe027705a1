#include "ui/tick_reads.h"

namespace ui {

bool TickReads::cursor_pos(plat::POINT* out) {
  if (!in_tick_) return plat::os().GetCursorPos(out) != 0;
  if (!pointer_ && !pointer_refused_) {
    plat::POINT p{};
    if (plat::os().GetCursorPos(&p)) pointer_ = p;
    else pointer_refused_ = true;
  }
  if (!pointer_) return false;
  *out = *pointer_;
  return true;
}

plat::HWND TickReads::foreground_window() {
  if (!in_tick_) return plat::os().GetForegroundWindow();
  if (!foreground_) foreground_ = plat::os().GetForegroundWindow();
  return *foreground_;
}

void TickReads::begin_tick() {
  end_tick();
  in_tick_ = true;
}

void TickReads::end_tick() {
  in_tick_ = false;
  pointer_.reset();
  pointer_refused_ = false;
  foreground_.reset();
}

}  // namespace ui
