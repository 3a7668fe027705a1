#include "platform/win32/key_filter.h"

#include <algorithm>
#include <vector>

namespace win32 {

namespace {

// The program's one user-interface thread is the only one that pumps.
std::vector<KeyFilter*>& filters() {
  static std::vector<KeyFilter*> live;
  return live;
}

}  // namespace

void add_key_filter(KeyFilter* filter) {
  auto& live = filters();
  if (std::find(live.begin(), live.end(), filter) == live.end()) live.push_back(filter);
}

void remove_key_filter(KeyFilter* filter) { std::erase(filters(), filter); }

bool key_taken(MSG& msg) {
  if (msg.message < WM_KEYFIRST || msg.message > WM_KEYLAST || filters().empty()) return false;
  // A filter's TranslateAccelerator may run a page's script, which may
  // close a control: each one is asked only while it is still registered.
  const std::vector<KeyFilter*> snapshot = filters();
  for (KeyFilter* filter : snapshot) {
    const auto& live = filters();
    if (std::find(live.begin(), live.end(), filter) == live.end()) continue;
    if (filter->take_key(msg)) return true;
  }
  return false;
}

}  // namespace win32
