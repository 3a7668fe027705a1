// A context menu and its items. popup() shows it at a screen point and
// fires the chosen item's click event.
#pragma once

#include <vector>

#include "ui/component.h"

namespace ui {

class MenuItem : public Component {
 public:
  MenuItem(std::string name, Component* owner);
  const std::string& caption() const { return caption_; }
  bool is_separator() const { return caption_ == "-"; }
  NotifyEvent on_click;
  void click();
  bool set_property(const DesignProperty& property, DesignContext& context) override;
  bool bind_event(std::string_view event, const Handler& handler) override;

 private:
  std::string caption_;
};

class PopupMenu : public Component {
 public:
  PopupMenu(std::string name, Component* owner);
  void add_item(MenuItem& item) { items_.push_back(&item); }
  const std::vector<MenuItem*>& items() const { return items_; }
  void popup(int screen_x, int screen_y);

 private:
  std::vector<MenuItem*> items_;
};

}  // namespace ui
