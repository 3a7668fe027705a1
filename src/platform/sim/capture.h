// The mouse capture: one window of ours at a time. The window that loses
// it is told (WM_CAPTURECHANGED), unless it loses it by going away.
#pragma once

#include "platform/sim/message_hook.h"
#include "platform/sim/window_table.h"

namespace sim {

class Capture {
 public:
  Capture(WindowTable& windows, MessageHook& hook) : windows_(windows), hook_(hook) {}

  HWND holder() const { return holder_; }
  // Gives it to `hwnd`; the previous holder, if another, is told.
  void set(HWND hwnd);
  // Nobody has it; the previous holder is told.
  void release();
  // A destroyed window's capture just ends.
  void forget(HWND hwnd) {
    if (holder_ == hwnd) holder_ = 0;
  }

 private:
  void lose(HWND hwnd);

  WindowTable& windows_;
  MessageHook& hook_;
  HWND holder_ = 0;
};

}  // namespace sim
