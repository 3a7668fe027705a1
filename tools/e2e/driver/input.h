// A person's pointer and keyboard, through XTest. Wine reads these as real
// input: a button held here shows in GetAsyncKeyState, so nested loops that
// poll the button can be driven, and popup menus and message boxes take
// the keys. Every call ends with a round trip, so the X server has the
// event before the call returns; what Wine makes of it is then a matter
// for a wait on its effect.
#pragma once

#include <string_view>

#include "driver/geometry.h"
#include "driver/x_connection.h"

namespace e2e {

enum class Button : unsigned { Left = 1, Middle = 2, Right = 3 };

// An X keysym (XK_Return and friends from <X11/keysym.h>, which defines
// only those names and is safe to include beside GoogleTest).
using KeySymbol = unsigned long;

class Input {
 public:
  explicit Input(const XConnection& x) : x_(&x) {}

  void move_to(Point p) const;
  Point pointer() const;
  void press(Button button) const;
  void release(Button button) const;
  void click(Button button) const;
  void click_at(Point p, Button button = Button::Left) const;

  // A key by keysym (XK_Return, XK_Down, XK_y...), Shift added when the
  // keysym sits on the shifted level of its key.
  void key_down(KeySymbol keysym) const;
  void key_up(KeySymbol keysym) const;
  void tap(KeySymbol keysym) const;
  // Printable ASCII text, one tap per character.
  void type(std::string_view text) const;

  // A drag from `from` to `to` in `steps` moves with the left button held:
  // Wine sees the press, a stream of motion, and the release.
  void drag(Point from, Point to, int steps = 10, Button button = Button::Left) const;

 private:
  const XConnection* x_;
};

// A button held down while other things happen (a box answered mid-drag,
// a loop polled); released when the hold goes out of scope.
class ButtonHold {
 public:
  ButtonHold(const Input& input, Button button) : input_(&input), button_(button) { input_->press(button_); }
  ButtonHold(const ButtonHold&) = delete;
  ButtonHold& operator=(const ButtonHold&) = delete;
  ~ButtonHold() { release(); }
  void release() {
    if (input_) input_->release(button_);
    input_ = nullptr;
  }

 private:
  const Input* input_;
  Button button_;
};

}  // namespace e2e
