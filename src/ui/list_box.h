// A list box of text items with one selected entry. Updates can be
// suspended so that a rebuild repaints once.
#pragma once

#include <string>
#include <vector>

#include "ui/control.h"

namespace ui {

class ListBox : public Control {
 public:
  ListBox(std::string name, Component* owner, Control* parent);

  const std::vector<std::string>& items() const { return items_; }
  void add_item(std::string_view text);
  void clear();
  int count() const { return static_cast<int>(items_.size()); }
  // -1 when nothing is selected.
  int item_index() const { return item_index_; }
  void set_item_index(int index);
  void begin_update();
  void end_update();
  bool updating() const { return update_depth_ > 0; }
  int item_height() const { return item_height_; }

  void paint(plat::Canvas& canvas, int x, int y) override;
  void invalidate() override;
  bool set_property(const DesignProperty& property, DesignContext& context) override;

 private:
  std::vector<std::string> items_;
  int item_index_ = -1;
  int item_height_ = 13;
  int update_depth_ = 0;
  bool dirty_ = false;
};

}  // namespace ui
