// A push button; click() fires its click event as a press would, which is
// how forms drive each other's buttons.
#pragma once

#include "ui/control.h"

namespace ui {

class Button : public Control {
 public:
  Button(std::string name, Component* owner, Control* parent);
  const std::string& caption() const { return caption_; }
  void set_caption(std::string_view text);
  void paint(plat::Canvas& canvas, int x, int y) override;
  bool set_property(const DesignProperty& property, DesignContext& context) override;

 private:
  std::string caption_;
};

}  // namespace ui
