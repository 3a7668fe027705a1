#include "ui/design_loader.h"
#include "ui/strings.h"


#include "ui/button.h"
#include "ui/check_box.h"
#include "ui/combo_box.h"
#include "ui/design_context.h"
#include "ui/edit.h"
#include "ui/error.h"
#include "ui/form.h"
#include "ui/label.h"
#include "ui/list_box.h"
#include "ui/open_dialog.h"
#include "ui/panel.h"
#include "ui/picture.h"
#include "ui/popup_menu.h"
#include "ui/timer.h"
#include "ui/web_browser.h"

namespace ui {

using plat::os;

namespace {

const char* event_kind(const Handler& h) {
  switch (h.index()) {
    case 0: return "a notify handler";
    case 1: return "a mouse handler";
    case 2: return "a close handler";
    case 3: return "a key press handler";
    default: return "a new-window handler";
  }
}

}  // namespace

DesignLoader::DesignLoader(Form& form, std::string_view resource_name) : form_(form), resource_(resource_name) {}

void DesignLoader::apply() {
  auto bytes = os().load_resource(resource_);
  if (!bytes) throw Error(cat("Design ", resource_, " is missing from the program's resources"));
  std::string_view text(reinterpret_cast<const char*>(bytes->data()), bytes->size());
  auto design = parse_design(resource_, text);
  if (!design) throw Error(design.error());

  DesignContext ctx(resource_, form_.dpi());
  const DesignBlock& head = design->blocks.front();
  form_.rename(head.name);
  for (const auto& p : head.properties) {
    if (p.key == "textheight") ctx.set_design_text_height(static_cast<int>(ctx.integer(p)));
  }
  apply_properties(form_, head, ctx);

  std::vector<Component*> made;
  for (std::size_t i = 1; i < design->blocks.size(); ++i) {
    const DesignBlock& block = design->blocks[i];
    if (form_.find_component(block.name)) {
      throw Error(cat("Design ", resource_, ", line ", block.line, ": a second component named ", block.name));
    }
    Component& c = create(block);
    apply_properties(c, block, ctx);
    made.push_back(&c);
  }
  for (Component* c : made) c->loaded();
  form_.loaded();
}

Component& DesignLoader::create(const DesignBlock& b) {
  Control* parent = &form_;
  Component* parent_component = nullptr;
  if (!b.extra.empty()) {
    parent_component = form_.find_component(b.extra);
    parent = dynamic_cast<Control*>(parent_component);
    if (!parent_component) {
      throw Error(cat("Design ", resource_, ", line ", b.line, ": ", b.name, " is in ", b.extra, ", which is not declared before it"));
    }
  }
  const std::string& k = b.kind;
  auto need_parent = [&]() -> Control* {
    if (!parent) throw Error(cat("Design ", resource_, ", line ", b.line, ": ", b.extra, " cannot hold ", b.name));
    return parent;
  };
  if (k == "label") return form_.add_component<Label>(b.name, &form_, need_parent());
  if (k == "picture") return form_.add_component<Picture>(b.name, &form_, need_parent());
  if (k == "button") return form_.add_component<Button>(b.name, &form_, need_parent());
  if (k == "listbox") return form_.add_component<ListBox>(b.name, &form_, need_parent());
  if (k == "edit") return form_.add_component<Edit>(b.name, &form_, need_parent());
  if (k == "combobox") return form_.add_component<ComboBox>(b.name, &form_, need_parent());
  if (k == "checkbox") return form_.add_component<CheckBox>(b.name, &form_, need_parent());
  if (k == "panel") return form_.add_component<Panel>(b.name, &form_, need_parent());
  if (k == "browser") return form_.add_component<WebBrowser>(b.name, &form_, need_parent());
  if (k == "timer") return form_.add_component<Timer>(b.name, &form_);
  if (k == "opendialog") return form_.add_component<OpenDialog>(b.name, &form_);
  if (k == "popupmenu") return form_.add_component<PopupMenu>(b.name, &form_);
  if (k == "menuitem") {
    auto* menu = dynamic_cast<PopupMenu*>(parent_component);
    if (!menu) throw Error(cat("Design ", resource_, ", line ", b.line, ": menu item ", b.name, " must be in a popup menu"));
    auto& item = form_.add_component<MenuItem>(b.name, &form_);
    menu->add_item(item);
    return item;
  }
  throw Error(cat("Design ", resource_, ", line ", b.line, ": unknown kind ", k));
}

void DesignLoader::apply_properties(Component& target, const DesignBlock& block, DesignContext& ctx) {
  std::optional<int> client_w, client_h;
  for (const auto& p : block.properties) {
    if (p.key == "textheight" && &target == &form_) continue;
    if (p.key.size() > 2 && p.key.starts_with("On")) {
      const std::string& name = ctx.word(p);
      const Handler* h = form_.find_handler(name);
      if (!h) {
        throw Error(cat("Design ", resource_, ", line ", p.line, ": ", p.key, " of ", block.name, " names the handler ", name, ", which ", form_.name(), " does not have"));
      }
      if (!target.bind_event(p.key, *h)) {
        throw Error(cat("Design ", resource_, ", line ", p.line, ": ", p.key, " of ", block.name, " cannot take ", name, " (", event_kind(*h), ")"));
      }
      continue;
    }
    if (&target == &form_ && p.key == "clientwidth") {
      client_w = ctx.scaled(p);
      form_.designed_client_width_ = ctx.at_96(static_cast<int>(ctx.integer(p)));
      continue;
    }
    if (&target == &form_ && p.key == "clientheight") {
      client_h = ctx.scaled(p);
      form_.designed_client_height_ = ctx.at_96(static_cast<int>(ctx.integer(p)));
      continue;
    }
    if (!target.set_property(p, ctx)) {
      throw Error(cat("Design ", resource_, ", line ", p.line, ": ", block.name, " has no property ", p.key));
    }
  }
  if (client_w || client_h) {
    form_.set_client_size(client_w.value_or(form_.client_width()), client_h.value_or(form_.client_height()));
  }
}

}  // namespace ui
