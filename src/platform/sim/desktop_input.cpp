// The pointer, the mouse buttons and the keyboard: scripted input changes
// the hardware state at once and queues a message; the pump routes it
// the way Windows does (the capture window first, else the window under
// the pointer as hit-testing finds it).
#include <algorithm>

#include "platform/sim/desktop.h"

namespace sim {
namespace {

template <class... F>
struct Overloaded : F... {
  using F::operator()...;
};
template <class... F>
Overloaded(F...) -> Overloaded<F...>;

}  // namespace

void Desktop::apply_input(const Input& input) {
  std::visit(Overloaded{
                 [&](const PointerMove& m) {
                   const POINT p = clamp_to_desk(monitors_, POINT{m.x, m.y});
                   if (p == pointer_) return;
                   pointer_ = p;
                   input_.push(MouseMessage{MouseEvent::Move, MouseButton::Left, p.x, p.y, shift_state()});
                 },
                 [&](const ButtonPress& b) {
                   // A button that is down cannot go down again.
                   if (buttons_ & button_bit(b.button)) return;
                   buttons_ |= button_bit(b.button);
                   pressed_since_query_ |= button_bit(b.button);
                   input_.push(
                       MouseMessage{MouseEvent::Down, logical(b.button), pointer_.x, pointer_.y, shift_state()});
                 },
                 [&](const ButtonRelease& b) {
                   if (!(buttons_ & button_bit(b.button))) return;
                   buttons_ &= ~button_bit(b.button);
                   input_.push(
                       MouseMessage{MouseEvent::Up, logical(b.button), pointer_.x, pointer_.y, shift_state()});
                 },
                 [&](const KeyChar& k) {
                   input_.push(KeyMessage{KeyEvent::Char, static_cast<unsigned char>(k.ch), shift_state(), k.target});
                 },
                 [&](const KeyDown& k) { input_.push(KeyMessage{KeyEvent::Down, k.vk, shift_state(), k.target}); },
             },
             input);
}

MouseButton Desktop::logical(MouseButton physical) const {
  if (!swap_buttons_) return physical;
  switch (physical) {
    case MouseButton::Left:
      return MouseButton::Right;
    case MouseButton::Right:
      return MouseButton::Left;
    default:
      return physical;
  }
}

unsigned Desktop::logical_bits(unsigned physical) const {
  if (!swap_buttons_) return physical;
  const unsigned left = physical & plat::ssLeft ? plat::ssRight : 0u;
  const unsigned right = physical & plat::ssRight ? plat::ssLeft : 0u;
  return (physical & ~(plat::ssLeft | plat::ssRight)) | left | right;
}

HWND Desktop::window_at(int x, int y) { return wm_.hit(x, y).hwnd; }

int Desktop::nc_hit_test(int x, int y) {
  const WindowManager::Hit h = wm_.hit(x, y);
  return h.hwnd ? h.code : HTNOWHERE;
}

void Desktop::deliver(const InputMessage& message) {
  if (const auto* m = std::get_if<MouseMessage>(&message)) {
    deliver_mouse(*m);
  } else {
    deliver_key(std::get<KeyMessage>(message));
  }
}

void Desktop::deliver_mouse(const MouseMessage& m) {
  if (wm_.follow_caption_drag(m)) return;
  WindowManager::Hit target;
  if (const HWND holder = capture_.holder()) {
    target = {holder, plat::HTCLIENT};
  } else {
    target = wm_.hit(m.x, m.y);
  }
  Window* w = find(target.hwnd);
  if (!w || !w->enabled()) return;
  if (m.event == MouseEvent::Down && !capture_.holder()) {
    HWND top = target.hwnd;
    while (const Window* t = find(top)) {
      if (t->top_level()) break;
      top = t->parent;
    }
    const Window* tw = find(top);
    if (tw && !(tw->ex_style & WS_EX_NOACTIVATE)) wm_.set_foreground(top, true);
    // Activation handlers may have destroyed or hidden the window.
    if (!(w = find(target.hwnd)) || !w->visible()) return;
  }
  if (!w->ours() || !w->sink) return;
  if (target.code != plat::HTCLIENT) {
    if (m.event == MouseEvent::Down && target.code == plat::HTCAPTION && m.button == MouseButton::Left) {
      wm_.begin_caption_drag(target.hwnd, {m.x, m.y});
    }
    return;
  }
  const POINT c = wm_.to_client(*w, m.x, m.y);
  switch (m.event) {
    case MouseEvent::Move:
      w->sink->on_mouse_move(m.shift, c.x, c.y);
      break;
    case MouseEvent::Down:
      w->sink->on_mouse_down(m.button, m.shift, c.x, c.y);
      break;
    case MouseEvent::Up:
      w->sink->on_mouse_up(m.button, m.shift, c.x, c.y);
      break;
  }
}

void Desktop::deliver_key(const KeyMessage& m) {
  const HWND target = m.target ? m.target : activation_.foreground();
  Window* w = find(target);
  if (!w || !w->ours() || !w->sink || !w->enabled()) return;
  if (m.event == KeyEvent::Char) {
    w->sink->on_key_char(static_cast<char>(m.code));
  } else {
    w->sink->on_key_down(m.code, m.shift);
  }
}

HCURSOR Desktop::cursor_at(int x, int y) {
  const HWND holder = capture_.holder();
  const WindowManager::Hit h = holder ? WindowManager::Hit{holder, plat::HTCLIENT} : wm_.hit(x, y);
  Window* w = find(h.hwnd);
  HCURSOR cursor = 0;
  if (w && w->sink && h.code == plat::HTCLIENT) {
    const POINT c = wm_.to_client(*w, x, y);
    cursor = w->sink->on_set_cursor(c.x, c.y);
  }
  return cursor ? cursor : services_.system_cursor(plat::IDC_ARROW);
}

BOOL Desktop::GetCursorPos(POINT* point) {
  if (refuse_cursor_reads_ || !point) {
    fail(ERROR_ACCESS_DENIED);
    return FALSE;
  }
  *point = pointer_;
  return TRUE;
}

std::int16_t Desktop::GetAsyncKeyState(int vkey) {
  unsigned bit = 0;
  switch (vkey) {
    case plat::VK_LBUTTON:
      bit = plat::ssLeft;
      break;
    case plat::VK_RBUTTON:
      bit = plat::ssRight;
      break;
    case plat::VK_MBUTTON:
      bit = plat::ssMiddle;
      break;
    case VK_SHIFT:
      bit = plat::ssShift;
      break;
    case VK_CONTROL:
      bit = plat::ssCtrl;
      break;
    case VK_MENU:
      bit = plat::ssAlt;
      break;
    default:
      return 0;
  }
  // The high bit is the state now; the low bit says the button went down
  // since the last query (of any program), and the query clears it. Mouse
  // buttons are the physical ones, however the user has mapped them.
  const bool down = ((held_keys_ | buttons_) & bit) != 0;
  const bool pressed_since = (pressed_since_query_ & bit) != 0;
  pressed_since_query_ &= ~bit;
  return static_cast<std::int16_t>((down ? 0x8000 : 0) | (pressed_since ? 1 : 0));
}

}  // namespace sim
