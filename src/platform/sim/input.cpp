#include "platform/sim/input.h"

namespace sim {

void Script::add(Millis time, Action action) { items_.emplace(std::pair{time, ++order_}, std::move(action)); }

void Script::add(Millis time, Input input) { items_.emplace(std::pair{time, ++order_}, input); }

std::optional<Millis> Script::next_time() const {
  if (items_.empty()) return std::nullopt;
  return items_.begin()->first.first;
}

std::optional<ScriptItem> Script::pop_due(Millis now) {
  if (items_.empty() || items_.begin()->first.first > now) return std::nullopt;
  auto node = items_.extract(items_.begin());
  return ScriptItem{node.key().first, std::move(node.mapped())};
}

std::optional<ScriptItem> Script::pop_input_due(Millis by) {
  for (auto it = items_.begin(); it != items_.end() && it->first.first <= by; ++it) {
    if (std::holds_alternative<Input>(it->second)) {
      auto node = items_.extract(it);
      return ScriptItem{node.key().first, std::move(node.mapped())};
    }
  }
  return std::nullopt;
}

void InputQueue::push(const InputMessage& message) {
  const auto* mouse = std::get_if<MouseMessage>(&message);
  if (mouse && mouse->event == MouseEvent::Move && !empty()) {
    auto* last = std::get_if<MouseMessage>(&queue_.back());
    if (last && last->event == MouseEvent::Move) {
      *last = *mouse;
      return;
    }
  }
  queue_.push_back(message);
}

std::optional<InputMessage> InputQueue::pop() {
  if (empty()) return std::nullopt;
  InputMessage m = queue_[head_++];
  if (empty()) {
    queue_.clear();
    head_ = 0;
  }
  return m;
}

unsigned button_bit(MouseButton button) {
  switch (button) {
    case MouseButton::Left:
      return plat::ssLeft;
    case MouseButton::Right:
      return plat::ssRight;
    case MouseButton::Middle:
      return plat::ssMiddle;
  }
  return 0;
}

}  // namespace sim
