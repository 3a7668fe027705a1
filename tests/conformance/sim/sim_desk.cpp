#include "sim/sim_desk.h"

#include <utility>

namespace conformance {

int SimDesk::message_box(HWND owner, const char* text, const char* caption, UINT type, unsigned after_ms,
                         const std::function<void(HWND box)>& while_open) {
  sim::BoxScript script;
  // Open a little past the look, so that the look happens inside the loop.
  script.open_ms = after_ms + 50;
  script.while_open = [this, after_ms, caption, &while_open] {
    desktop_.at(desktop_.now() + after_ms, [this, caption, &while_open] {
      while_open(desktop_.FindWindowA("#32770", caption));
    });
  };
  desktop_.dialogs().script_box(std::move(script));
  return desktop_.MessageBoxA(owner, text, caption, type);
}

}  // namespace conformance
