// The backend's smoke program: real windows, painting, timers, posted
// messages, modal loops and base services, without the toolkit, checked as
// it goes and summed up at the end.
#pragma once

#include <string>
#include <vector>

#include "platform/win32/win32_platform.h"

namespace smoke {

class Report {
 public:
  void check(std::string name, bool ok, std::string detail = {});
  int failures() const;
  void print() const;

 private:
  struct Line {
    std::string name;
    bool ok;
    std::string detail;
  };
  std::vector<Line> lines_;
};

void check_services(win32::Win32Platform& os, Report& report);
void check_windows(win32::Win32Platform& os, Report& report, unsigned hold_ms);
// The code-page conversion and non-ASCII text through the canvas (smoke_text.cpp).
void check_text(win32::Win32Platform& os, Report& report);
// The browser's site and the keys offered to its active object (smoke_keys.cpp).
void check_keys(win32::Win32Platform& os, Report& report);

// The real browser control: the focus in it once its frame is active (smoke_focus.cpp).
void check_focus(win32::Win32Platform& os, Report& report);

// The library search and where each run-time library came from, with DLLs
// of their names planted beside the exe (smoke_libraries.cpp).
void check_libraries(win32::Win32Platform& os, bool search_restricted, Report& report);

// The program's own GDI object and window counts (smoke_live.cpp).
void check_live_objects(win32::Win32Platform& os, Report& report);

// Raw system help for driving modal loops from inside them (smoke_system.cpp).
void press_down_down_return();
// Presses OK on the message box with this caption; false while there is none.
bool press_ok_on_box(const char* caption);
// Posts WM_CLOSE as another program or the system would.
void post_close(plat::HWND hwnd);

}  // namespace smoke
