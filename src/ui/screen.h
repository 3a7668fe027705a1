// The screen object: the screen's size, read afresh at every use, and the
// table of cursors that controls name by number.
#pragma once

#include <map>

#include "platform/owners.h"
#include "platform/platform.h"

namespace ui {

class Screen {
 public:
  Screen();
  Screen(const Screen&) = delete;
  Screen& operator=(const Screen&) = delete;

  int width() const;
  int height() const;
  // The handle for a cursor number; 0 leaves the window's class cursor.
  plat::HCURSOR cursor(int id) const;
  // Replaces an entry and hands the caller the previous handle to destroy.
  [[nodiscard]] plat::Cursor replace_cursor(int id, plat::HCURSOR handle);

 private:
  std::map<int, plat::HCURSOR> cursors_;
  plat::Cursor own_hand_;  // held while it is in the table
};

}  // namespace ui
