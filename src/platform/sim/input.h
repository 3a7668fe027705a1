// Scripted input and the queue of mouse and keyboard messages it produces.
// Applying input changes the hardware state at once (GetCursorPos and
// GetAsyncKeyState see it) and queues a message that the next pump
// delivers, as the raw input thread and the message queue do on Windows.
#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <utility>
#include <variant>
#include <vector>

#include "platform/sim/types.h"

namespace sim {

struct PointerMove {
  int x = 0;
  int y = 0;
};
struct ButtonPress {
  MouseButton button = MouseButton::Left;
};
struct ButtonRelease {
  MouseButton button = MouseButton::Left;
};
// target 0: the foreground window, if it is ours.
struct KeyChar {
  char ch = 0;
  HWND target = 0;
};
struct KeyDown {
  int vk = 0;
  HWND target = 0;
};
using Input = std::variant<PointerMove, ButtonPress, ButtonRelease, KeyChar, KeyDown>;
using Action = std::function<void()>;

struct ScriptItem {
  Millis time = 0;
  std::variant<Action, Input> what;
};

// Test callbacks and input waiting for their time, in time order (ties in
// the order they were scheduled).
class Script {
 public:
  void add(Millis time, Action action);
  void add(Millis time, Input input);
  std::optional<Millis> next_time() const;
  std::optional<ScriptItem> pop_due(Millis now);
  // The earliest input due by `by`, passing over actions (Sleep applies
  // input but runs no callbacks).
  std::optional<ScriptItem> pop_input_due(Millis by);
  bool empty() const { return items_.empty(); }

 private:
  std::map<std::pair<Millis, std::uint64_t>, std::variant<Action, Input>> items_;
  std::uint64_t order_ = 0;
};

enum class MouseEvent { Move, Down, Up };
struct MouseMessage {
  MouseEvent event = MouseEvent::Move;
  MouseButton button = MouseButton::Left;
  int x = 0;  // screen
  int y = 0;
  unsigned shift = 0;
};
enum class KeyEvent { Char, Down };
struct KeyMessage {
  KeyEvent event = KeyEvent::Char;
  int code = 0;
  unsigned shift = 0;
  HWND target = 0;
};
using InputMessage = std::variant<MouseMessage, KeyMessage>;

class InputQueue {
 public:
  // Moves coalesce like WM_MOUSEMOVE: a move replaces a move still queued
  // last.
  void push(const InputMessage& message);
  std::optional<InputMessage> pop();
  bool empty() const { return head_ == queue_.size(); }

 private:
  // A vector emptied whenever it is drained keeps its storage, so that
  // input in steady state allocates nothing.
  std::vector<InputMessage> queue_;
  std::size_t head_ = 0;
};

unsigned button_bit(MouseButton button);

}  // namespace sim
