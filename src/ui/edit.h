// A one-line text field. The program reads nothing from its fields; they
// hold what the design and the user put there.
#pragma once

#include "ui/control.h"

namespace ui {

class Edit : public Control {
 public:
  Edit(std::string name, Component* owner, Control* parent);
  const std::string& text() const { return text_; }
  void set_text(std::string_view text);
  // A typed character: printable ones are appended, backspace removes one.
  void type(char ch);
  void paint(plat::Canvas& canvas, int x, int y) override;
  bool set_property(const DesignProperty& property, DesignContext& context) override;

 private:
  std::string text_;
};

}  // namespace ui
