// The conformance rows' desk on the Windows backend: real time with the
// thread's messages dispatched, the pointer through SendInput (hardware
// input, as a person's), and a box looked at from a thread timer inside
// its own modal loop.
#pragma once

#include "desk.h"
#include "platform/win32/win32_platform.h"

namespace conformance {

class Win32Desk final : public Desk {
 public:
  explicit Win32Desk(win32::Win32Platform& os) : os_(os) {}
  plat::Platform& os() override { return os_; }
  void run_for(unsigned ms) override;
  void move_pointer(POINT screen) override;
  void press_left() override;
  void release_left() override;
  int message_box(HWND owner, const char* text, const char* caption, UINT type, unsigned after_ms,
                  const std::function<void(HWND box)>& while_open) override;

 private:
  win32::Win32Platform& os_;
};

}  // namespace conformance
