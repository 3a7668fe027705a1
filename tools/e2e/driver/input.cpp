#include "driver/input.h"

#include <X11/Xlib.h>
#include <X11/XKBlib.h>
#include <X11/extensions/XTest.h>
#include <X11/keysym.h>

#include <chrono>
#include <thread>

namespace e2e {
namespace {

// Between the parts of a gesture: Wine polls X events on its own thread
// and coalesces motion; a press straight after a move could otherwise be
// seen at the old position. Shorter than any human gesture.
constexpr std::chrono::milliseconds kGestureGap{30};

void pause() { std::this_thread::sleep_for(kGestureGap); }

}  // namespace

void Input::move_to(Point p) const {
  const Point o = x_->windows_origin();
  XTestFakeMotionEvent(x_->get(), -1, p.x + o.x, p.y + o.y, CurrentTime);
  x_->sync();
}

Point Input::pointer() const {
  ::Window root = 0, child = 0;
  int rx = 0, ry = 0, wx = 0, wy = 0;
  unsigned int mask = 0;
  XQueryPointer(x_->get(), x_->root(), &root, &child, &rx, &ry, &wx, &wy, &mask);
  const Point o = x_->windows_origin();
  return {rx - o.x, ry - o.y};
}

void Input::press(Button button) const {
  XTestFakeButtonEvent(x_->get(), static_cast<unsigned>(button), True, CurrentTime);
  x_->sync();
}

void Input::release(Button button) const {
  XTestFakeButtonEvent(x_->get(), static_cast<unsigned>(button), False, CurrentTime);
  x_->sync();
}

void Input::click(Button button) const {
  press(button);
  pause();
  release(button);
}

void Input::click_at(Point p, Button button) const {
  move_to(p);
  pause();
  click(button);
}

void Input::key_down(KeySymbol keysym) const {
  ::Display* d = x_->get();
  const KeyCode code = XKeysymToKeycode(d, keysym);
  if (code == 0) return;
  const bool shifted = XkbKeycodeToKeysym(d, code, 0, 0) != keysym && XkbKeycodeToKeysym(d, code, 0, 1) == keysym;
  if (shifted) XTestFakeKeyEvent(d, XKeysymToKeycode(d, XK_Shift_L), True, CurrentTime);
  XTestFakeKeyEvent(d, code, True, CurrentTime);
  x_->sync();
}

void Input::key_up(KeySymbol keysym) const {
  ::Display* d = x_->get();
  const KeyCode code = XKeysymToKeycode(d, keysym);
  if (code == 0) return;
  const bool shifted = XkbKeycodeToKeysym(d, code, 0, 0) != keysym && XkbKeycodeToKeysym(d, code, 0, 1) == keysym;
  XTestFakeKeyEvent(d, code, False, CurrentTime);
  if (shifted) XTestFakeKeyEvent(d, XKeysymToKeycode(d, XK_Shift_L), False, CurrentTime);
  x_->sync();
}

void Input::tap(KeySymbol keysym) const {
  key_down(keysym);
  pause();
  key_up(keysym);
}

void Input::type(std::string_view text) const {
  for (char c : text) {
    // Latin-1 keysyms equal their character codes.
    tap(c == '\n' ? XK_Return : static_cast<KeySymbol>(static_cast<unsigned char>(c)));
    pause();
  }
}

void Input::drag(Point from, Point to, int steps, Button button) const {
  move_to(from);
  pause();
  ButtonHold hold(*this, button);
  pause();
  for (int i = 1; i <= steps; ++i) {
    move_to({from.x + (to.x - from.x) * i / steps, from.y + (to.y - from.y) * i / steps});
    pause();
  }
}

}  // namespace e2e
