// The foreground window and the activation: who has it, who may take it,
// and who gets it when the active window hides or goes. Moving it sends
// WM_ACTIVATE and WM_ACTIVATEAPP to our windows; raising a window that
// is activated is the z-order's business and happens before.
#pragma once

#include "platform/sim/message_hook.h"
#include "platform/sim/window_table.h"
#include "platform/sim/zorder.h"

namespace sim {

class Activation {
 public:
  Activation(WindowTable& windows, const ZOrder& z, MessageHook& hook) : windows_(windows), z_(z), hook_(hook) {}

  HWND foreground() const { return foreground_; }
  // Makes `hwnd` (0: nobody) the foreground and active window.
  void set(HWND hwnd);
  // The active window hides or goes: hand the activation on.
  void pass_from(HWND hwnd);
  bool can_activate(HWND hwnd) const;

 private:
  void send_activate(HWND hwnd, bool active);
  bool is_ours(HWND hwnd) const;

  WindowTable& windows_;
  const ZOrder& z_;
  MessageHook& hook_;
  HWND foreground_ = 0;
};

}  // namespace sim
