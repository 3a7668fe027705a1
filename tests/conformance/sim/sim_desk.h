// The conformance rows' desk on the simulated desktop: time is the
// desktop's virtual clock, the pointer its scripted input, and a box is
// held open by a script that looks at the desktop from inside its loop.
#pragma once

#include "desk.h"
#include "platform/sim/desktop.h"

namespace conformance {

class SimDesk final : public Desk {
 public:
  plat::Platform& os() override { return desktop_; }
  void run_for(unsigned ms) override { desktop_.advance(ms); }
  void move_pointer(POINT screen) override { desktop_.move_pointer(screen.x, screen.y); }
  void press_left() override { desktop_.press(); }
  void release_left() override { desktop_.release(); }
  int message_box(HWND owner, const char* text, const char* caption, UINT type, unsigned after_ms,
                  const std::function<void(HWND box)>& while_open) override;

 private:
  sim::Desktop desktop_;
};

}  // namespace conformance
