// The screen object: the screen's size, read afresh at every use, and the
// table of cursors that controls name by number.
#pragma once

#include <map>

#include "platform/platform.h"

namespace ui {

class Screen {
 public:
  Screen();
  ~Screen();
  Screen(const Screen&) = delete;
  Screen& operator=(const Screen&) = delete;

  int width() const;
  int height() const;
  // The handle for a cursor number; 0 leaves the window's class cursor.
  plat::HCURSOR cursor(int id) const;
  // Replaces an entry; the previous handle is the caller's to destroy.
  void set_cursor(int id, plat::HCURSOR handle);

 private:
  std::map<int, plat::HCURSOR> cursors_;
  plat::HCURSOR own_hand_ = 0;  // destroyed at the end if still in the table
};

}  // namespace ui
