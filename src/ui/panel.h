// A plain panel: a filled rectangle that holds other controls.
#pragma once

#include "ui/control.h"

namespace ui {

class Panel : public Control {
 public:
  Panel(std::string name, Component* owner, Control* parent);
  void paint(plat::Canvas& canvas, int x, int y) override;
  bool set_property(const DesignProperty& property, DesignContext& context) override;

 private:
  bool bevel_ = true;
};

}  // namespace ui
