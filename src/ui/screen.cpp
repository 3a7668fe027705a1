#include "ui/screen.h"

#include "ui/control.h"

namespace ui {

Screen::Screen() {
  own_hand_ = plat::os().create_toolkit_hand_cursor();
  cursors_[crHandPoint] = own_hand_;
}

Screen::~Screen() {
  auto it = cursors_.find(crHandPoint);
  if (it != cursors_.end() && it->second == own_hand_ && own_hand_) plat::os().DestroyCursor(own_hand_);
}

int Screen::width() const { return plat::os().GetSystemMetrics(plat::SM_CXSCREEN); }
int Screen::height() const { return plat::os().GetSystemMetrics(plat::SM_CYSCREEN); }

plat::HCURSOR Screen::cursor(int id) const {
  auto it = cursors_.find(id);
  return it == cursors_.end() ? 0 : it->second;
}

void Screen::set_cursor(int id, plat::HCURSOR handle) { cursors_[id] = handle; }

}  // namespace ui
