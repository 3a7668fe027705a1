#include "ui/popup_menu.h"

#include "ui/application.h"
#include "ui/design_context.h"
#include "ui/form.h"

namespace ui {

MenuItem::MenuItem(std::string name, Component* owner) : Component(std::move(name), owner) {}

void MenuItem::click() {
  if (on_click) form()->application().guard([&] { on_click(*this); });
}

bool MenuItem::set_property(const DesignProperty& p, DesignContext& ctx) {
  if (p.key == "caption") caption_ = ctx.string(p);
  else return Component::set_property(p, ctx);
  return true;
}

bool MenuItem::bind_event(std::string_view event, const Handler& h) {
  if (event == "OnClick") return take_handler(h, on_click);
  return Component::bind_event(event, h);
}

PopupMenu::PopupMenu(std::string name, Component* owner) : Component(std::move(name), owner) {}

void PopupMenu::popup(int screen_x, int screen_y) {
  std::vector<plat::MenuItemSpec> specs;
  for (MenuItem* item : items_) specs.push_back({item->caption(), true});
  auto chosen = plat::os().TrackPopupMenu(form()->handle(), specs, screen_x, screen_y);
  if (chosen && *chosen < items_.size() && !items_[*chosen]->is_separator()) items_[*chosen]->click();
}

}  // namespace ui
