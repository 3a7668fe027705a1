// The root of everything a design creates. A form owns every component of
// its design, in creation order, and destroys them with itself; the parent
// of a visual control is a separate, non-owning relation (see Control).
#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "ui/design.h"
#include "ui/events.h"

namespace ui {

class Form;
class DesignContext;

class Component {
 public:
  Component(std::string name, Component* owner);
  virtual ~Component();
  Component(const Component&) = delete;
  Component& operator=(const Component&) = delete;

  const std::string& name() const { return name_; }
  Component* owner() const { return owner_; }
  // The form this component belongs to (itself for a form).
  Form* form();

  template <class T, class... Args>
  T& add_component(Args&&... args) {
    auto owned = std::make_unique<T>(std::forward<Args>(args)...);
    T& ref = *owned;
    components_.push_back(std::move(owned));
    return ref;
  }
  Component* find_component(std::string_view name) const;
  // Destroys one owned component now; false if it is not ours.
  bool free_component(Component* component);
  const std::vector<std::unique_ptr<Component>>& components() const { return components_; }

  // Design hooks: each kind takes the properties and events it knows and
  // hands the rest to its base; false means nobody knew it.
  virtual bool set_property(const DesignProperty& property, DesignContext& context);
  virtual bool bind_event(std::string_view event, const Handler& handler);
  // Called once the whole design has been applied.
  virtual void loaded() {}

 protected:
  void rename(std::string name) { name_ = std::move(name); }
  // Frees the owned components, last created first, while the derived
  // parts of this component are still alive.
  void destroy_components();

 private:
  std::string name_;
  Component* owner_;
  std::vector<std::unique_ptr<Component>> components_;
};

// Typed access to a handler bound by a design.
template <class Event>
bool take_handler(const Handler& handler, Event& slot) {
  if (auto* h = std::get_if<Event>(&handler)) {
    slot = *h;
    return true;
  }
  return false;
}

}  // namespace ui
