// Key messages offered, before they are translated and dispatched, to the
// hosted controls that want them first. A web page's Tab, Delete,
// Backspace, Ctrl+C/V/X/A and F5 only work when every message loop of the
// program gives the page's in-place active object its TranslateAccelerator
// call; what it takes (S_OK) is neither translated nor dispatched.
#pragma once

#include "platform/win32/win32_headers.h"

namespace win32 {

class KeyFilter {
 public:
  // True when the message was taken and must go no further.
  virtual bool take_key(MSG& msg) = 0;

 protected:
  ~KeyFilter() = default;
};

// A filter is offered keys from registration until removal.
void add_key_filter(KeyFilter* filter);
void remove_key_filter(KeyFilter* filter);

// Offers a WM_KEYFIRST..WM_KEYLAST message to every filter in turn; other
// messages are never offered. True when one took it.
bool key_taken(MSG& msg);

}  // namespace win32
