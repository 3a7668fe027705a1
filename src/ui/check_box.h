// A check box with its caption; a click toggles it.
#pragma once

#include "ui/control.h"

namespace ui {

class CheckBox : public Control {
 public:
  CheckBox(std::string name, Component* owner, Control* parent);
  const std::string& caption() const { return caption_; }
  bool checked() const { return checked_; }
  void set_checked(bool on);
  void click() override;
  void paint(plat::Canvas& canvas, int x, int y) override;
  bool set_property(const DesignProperty& property, DesignContext& context) override;

 private:
  std::string caption_;
  bool checked_ = false;
};

}  // namespace ui
