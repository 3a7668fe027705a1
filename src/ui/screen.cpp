#include "ui/screen.h"

#include <utility>

#include "ui/control.h"

namespace ui {

Screen::Screen() : own_hand_(plat::os().create_toolkit_hand_cursor()) { cursors_[crHandPoint] = own_hand_.get(); }

int Screen::width() const { return plat::os().GetSystemMetrics(plat::SM_CXSCREEN); }
int Screen::height() const { return plat::os().GetSystemMetrics(plat::SM_CYSCREEN); }

plat::HCURSOR Screen::cursor(int id) const {
  auto it = cursors_.find(id);
  return it == cursors_.end() ? 0 : it->second;
}

plat::Cursor Screen::replace_cursor(int id, plat::HCURSOR handle) {
  const plat::HCURSOR previous = std::exchange(cursors_[id], handle);
  if (previous && previous == own_hand_.get()) return std::move(own_hand_);
  return plat::Cursor(previous);
}

}  // namespace ui
