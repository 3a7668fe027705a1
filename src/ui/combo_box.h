// An editable drop-down: a text field with a list of suggestions.
#pragma once

#include <vector>

#include "ui/control.h"

namespace ui {

class ComboBox : public Control {
 public:
  ComboBox(std::string name, Component* owner, Control* parent);
  const std::vector<std::string>& items() const { return items_; }
  const std::string& text() const { return text_; }
  void set_text(std::string_view text);
  int item_index() const { return item_index_; }
  // Selecting an entry puts its text into the field; -1 selects nothing.
  void set_item_index(int index);
  void paint(plat::Canvas& canvas, int x, int y) override;
  bool set_property(const DesignProperty& property, DesignContext& context) override;

 private:
  std::vector<std::string> items_;
  std::string text_;
  int item_index_ = -1;
  int item_height_ = 13;
};

}  // namespace ui
