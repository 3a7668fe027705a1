// Builds a form's components from its design resource and binds their
// events to the form's handlers by name.
#pragma once

#include <string>
#include <string_view>

#include "ui/design.h"

namespace ui {

class Form;
class Component;
class DesignContext;

class DesignLoader {
 public:
  DesignLoader(Form& form, std::string_view resource_name);
  void apply();

 private:
  Component& create(const DesignBlock& block);
  void apply_properties(Component& target, const DesignBlock& block, DesignContext& ctx);

  Form& form_;
  std::string resource_;
};

}  // namespace ui
