// The keyboard for a control hosted in a form. Activating a top-level
// window gives the focus to that window itself; a web page hosted in it
// would then get no keys (arrows, Page Down, Tab, typing) until clicked,
// and on Windows 7 and 8.1 no wheel either, which goes to the focus
// window. A form that hosts a control registers the control's host here,
// and the window procedure tells it of the form's activation (WM_ACTIVATE)
// and hands it the form's focus (WM_SETFOCUS).
#pragma once

#include "platform/win32/win32_headers.h"

namespace win32 {

class FocusHost {
 public:
  // The form became the active window, or stopped being it.
  virtual void frame_activated(bool active) = 0;
  // The form got the focus: true when the hosted control took it on.
  virtual bool take_focus() = 0;

 protected:
  ~FocusHost() = default;
};

// One host per form; a host is told from registration until removal.
void add_focus_host(HWND form, FocusHost* host);
void remove_focus_host(HWND form, FocusHost* host);

// Called by the window procedure for every top-level window of ours.
void tell_frame_activated(HWND form, bool active);
bool hand_on_focus(HWND form);

}  // namespace win32
