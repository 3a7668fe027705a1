// What a conformance row needs beyond the platform seam: time passing with
// the message loop running, a person's pointer, and a message box held open
// while the row looks at the desktop. The simulated desktop and the Windows
// backend each supply one; the rows never know which they run on.
#pragma once

#include <functional>

#include "platform/platform.h"

namespace conformance {

using plat::HWND;
using plat::POINT;
using plat::UINT;

class Desk {
 public:
  virtual ~Desk() = default;
  virtual plat::Platform& os() = 0;

  // Lets `ms` milliseconds pass, dispatching what comes meanwhile.
  virtual void run_for(unsigned ms) = 0;

  // A person's pointer: moves, presses and releases as the hardware does
  // (input messages, the asynchronous key state), never posted messages.
  virtual void move_pointer(POINT screen) = 0;
  virtual void press_left() = 0;
  virtual void release_left() = 0;

  // Shows a message box through the seam's MessageBoxA. Once it has been
  // up for `after_ms` (the loop running inside it), calls `while_open` with
  // the box's window, or 0 where the desktop shows none; then the box is
  // answered with its first button. Returns MessageBoxA's answer.
  virtual int message_box(HWND owner, const char* text, const char* caption, UINT type, unsigned after_ms,
                          const std::function<void(HWND box)>& while_open) = 0;
};

}  // namespace conformance
