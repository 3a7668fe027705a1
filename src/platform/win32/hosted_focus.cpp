#include "platform/win32/hosted_focus.h"

#include <map>

namespace win32 {

namespace {

// The user-interface thread is the only one with windows.
std::map<HWND, FocusHost*>& hosts() {
  static std::map<HWND, FocusHost*> registered;
  return registered;
}

FocusHost* host_of(HWND form) {
  const auto it = hosts().find(form);
  return it == hosts().end() ? nullptr : it->second;
}

}  // namespace

void add_focus_host(HWND form, FocusHost* host) { hosts()[form] = host; }

void remove_focus_host(HWND form, FocusHost* host) {
  if (host_of(form) == host) hosts().erase(form);
}

void tell_frame_activated(HWND form, bool active) {
  if (FocusHost* host = host_of(form)) host->frame_activated(active);
}

bool hand_on_focus(HWND form) {
  FocusHost* host = host_of(form);
  return host && host->take_focus();
}

}  // namespace win32
