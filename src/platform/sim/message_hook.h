// What a hook on the desktop sees of the notifications it sends to
// windows: WM_ACTIVATE, WM_ACTIVATEAPP, WM_CAPTURECHANGED and WM_DESTROY,
// as a WH_CALLWNDPROC hook sees them on Windows, before the window's own
// procedure and whether or not the window has one of ours (a message box's
// procedure is the system's). The recorder is the one hook; the model
// calls it and knows nothing of what it does with them.
#pragma once

#include "platform/sim/types.h"

namespace sim {

class MessageHook {
 public:
  virtual ~MessageHook() = default;
  virtual void activate_window(HWND hwnd, bool active) = 0;
  virtual void activate_app(HWND hwnd, bool active) = 0;
  virtual void capture_lost(HWND hwnd) = 0;
  // Sent to every window of a destroyed tree, the window named in the
  // DestroyWindow call first, while each still exists.
  virtual void destroying(HWND hwnd) = 0;
};

}  // namespace sim
