#include "ui/component.h"

#include <algorithm>

#include "ui/form.h"

namespace ui {

Component::Component(std::string name, Component* owner) : name_(std::move(name)), owner_(owner) {}

Component::~Component() { destroy_components(); }

void Component::destroy_components() {
  while (!components_.empty()) components_.pop_back();
}

Form* Component::form() {
  Component* c = this;
  while (c) {
    if (auto* f = dynamic_cast<Form*>(c)) return f;
    c = c->owner_;
  }
  return nullptr;
}

Component* Component::find_component(std::string_view name) const {
  for (const auto& c : components_) {
    if (c->name() == name) return c.get();
    if (Component* inner = c->find_component(name)) return inner;
  }
  return nullptr;
}

bool Component::free_component(Component* component) {
  auto it = std::find_if(components_.begin(), components_.end(), [&](const auto& c) { return c.get() == component; });
  if (it == components_.end()) return false;
  std::unique_ptr<Component> doomed = std::move(*it);
  components_.erase(it);
  return true;
}

bool Component::set_property(const DesignProperty&, DesignContext&) { return false; }

bool Component::bind_event(std::string_view, const Handler&) { return false; }

}  // namespace ui
