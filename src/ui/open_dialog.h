// A file-open dialog component. Designs may carry one; nothing in the
// program opens it.
#pragma once

#include "ui/component.h"

namespace ui {

class OpenDialog : public Component {
 public:
  OpenDialog(std::string name, Component* owner) : Component(std::move(name), owner) {}
};

}  // namespace ui
