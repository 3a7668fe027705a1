#include "ui/control.h"

#include <algorithm>

#include "ui/application.h"
#include "ui/design_context.h"
#include "ui/error.h"
#include "ui/form.h"
#include "ui/popup_menu.h"
#include "ui/scale.h"

namespace ui {

Control::Control(std::string name, Component* owner, Control* parent)
    : Component(std::move(name), owner), parent_(parent) {
  if (parent_) parent_->controls_.push_back(this);
}

Control::~Control() { detach_from_parent(); }

void Control::detach_from_parent() {
  if (!parent_) return;
  auto& siblings = parent_->controls_;
  siblings.erase(std::remove(siblings.begin(), siblings.end(), this), siblings.end());
  parent_ = nullptr;
}

void Control::set_bounds(int left, int top, int width, int height) {
  if (left == left_ && top == top_ && width == width_ && height == height_) return;
  bool resized = width != width_ || height != height_;
  invalidate();
  left_ = left;
  top_ = top;
  width_ = width;
  height_ = height;
  if (resized) realign();
  bounds_changed();
  notify_siblings();
  invalidate();
}

void Control::set_visible(bool v) {
  if (v == visible_) return;
  visible_ = v;
  visibility_changed();
  notify_siblings();
  if (parent_) parent_->invalidate();
}

void Control::notify_siblings() {
  if (!parent_) return;
  for (Control* sibling : parent_->controls_) {
    if (sibling != this) sibling->sibling_changed(*this);
  }
}

void Control::set_enabled(bool v) { enabled_ = v; }

plat::COLORREF Control::color() const {
  if (parent_color_ && parent_) return parent_->color();
  return color_;
}

void Control::set_color(plat::COLORREF c) {
  color_ = c;
  parent_color_ = false;
  invalidate();
}

const plat::Font& Control::font() const {
  if (parent_font_ && parent_) return parent_->font();
  return font_;
}

plat::COLORREF Control::font_color() const {
  if (parent_font_ && parent_) return parent_->font_color();
  return font_color_;
}

void Control::set_font(const plat::Font& f) {
  if (parent_font_) font_color_ = font_color();
  font_ = f;
  parent_font_ = false;
  invalidate();
}

void Control::set_font_color(plat::COLORREF c) {
  if (parent_font_) font_ = font();
  font_color_ = c;
  parent_font_ = false;
  invalidate();
}

void Control::set_align(Align a) {
  align_ = a;
  if (parent_) parent_->realign();
}

void Control::realign() {
  for (Control* child : controls_) {
    if (child->align_ == Align::Client) {
      int w = width_, h = height_;
      if (auto* f = dynamic_cast<Form*>(this)) {
        w = f->client_width();
        h = f->client_height();
      }
      child->set_bounds(0, 0, w, h);
    }
  }
}

plat::POINT Control::origin_in_form() const {
  plat::POINT p{};
  for (const Control* c = this; c && !dynamic_cast<const Form*>(c); c = c->parent_) {
    p.x += c->left_;
    p.y += c->top_;
  }
  return p;
}

Control* Control::control_at(int x, int y) {
  for (auto it = controls_.rbegin(); it != controls_.rend(); ++it) {
    Control* c = *it;
    if (!c->visible_) continue;
    if (x >= c->left_ && x < c->left_ + c->width_ && y >= c->top_ && y < c->top_ + c->height_) {
      return c->control_at(x - c->left_, y - c->top_);
    }
  }
  return this;
}

void Control::paint(plat::Canvas& canvas, int x, int y) { paint_children(canvas, x, y); }

void Control::paint_children(plat::Canvas& canvas, int x, int y) {
  for (Control* c : controls_) {
    if (c->visible_) c->paint(canvas, x + c->left_, y + c->top_);
  }
}

void Control::invalidate() {
  Form* f = form();
  if (!f || f == this) return;
  const plat::POINT o = origin_in_form();
  const plat::RECT r = reach();
  f->invalidate_rect({o.x + r.left, o.y + r.top, o.x + r.right, o.y + r.bottom});
}

plat::RECT Control::reach() const {
  plat::RECT r{0, 0, width_, height_};
  for (const Control* c : controls_) {
    const plat::RECT in = c->reach();
    r = {std::min(r.left, c->left_ + in.left), std::min(r.top, c->top_ + in.top),
         std::max(r.right, c->left_ + in.right), std::max(r.bottom, c->top_ + in.bottom)};
  }
  return r;
}

void Control::mouse_down(MouseButton button, unsigned shift, int x, int y) {
  if (on_mouse_down) form()->application().guard([&] { on_mouse_down(*this, button, shift, x, y); });
}

void Control::mouse_up(MouseButton button, unsigned shift, int x, int y) {
  if (on_mouse_up) form()->application().guard([&] { on_mouse_up(*this, button, shift, x, y); });
}

void Control::click() {
  if (on_click) form()->application().guard([&] { on_click(*this); });
}

int Control::dpi() const { return parent_ ? parent_->dpi() : kDesignDpi; }

int Control::scaled(int value) const { return scale(value, dpi()); }

void Control::apply_designed_values() {
  apply_designed_bounds();
  apply_designed_font();
  dpi_applied();
  invalidate();
}

void Control::apply_designed_bounds() {
  const int at = dpi();
  auto grown = [at](const std::optional<int>& v, int current) { return v ? scale(*v, at) : current; };
  set_bounds(grown(designed_.left, left_), grown(designed_.top, top_), grown(designed_.width, width_),
             grown(designed_.height, height_));
}

void Control::apply_designed_font() {
  if (designed_.font_height && !parent_font_) font_.height = scale(*designed_.font_height, dpi());
}

bool Control::set_property(const DesignProperty& p, DesignContext& ctx) {
  const std::string& k = p.key;
  auto designed = [&](std::optional<int>& keep) {
    keep = ctx.at_96(static_cast<int>(ctx.integer(p)));
    return ctx.scaled(p);
  };
  if (k == "left") set_left(designed(designed_.left));
  else if (k == "top") set_top(designed(designed_.top));
  else if (k == "width") set_width(designed(designed_.width));
  else if (k == "height") set_height(designed(designed_.height));
  else if (k == "visible") set_visible(ctx.boolean(p));
  else if (k == "enabled") set_enabled(ctx.boolean(p));
  else if (k == "color") set_color(ctx.colour(p));
  else if (k == "font") {
    set_font(ctx.font(p));
    designed_.font_height = ctx.at_96(static_cast<int>(std::get<std::int64_t>(p.values[1])));
  }
  else if (k == "fontcolor") set_font_color(ctx.colour(p));
  else if (k == "popupmenu") popup_menu_name_ = ctx.word(p);
  else if (k == "taborder") ctx.integer(p);  // kept for the reader; focus order is not modelled
  else if (k == "cursor") {
    const std::string& w = ctx.word(p);
    if (w == "handpoint") set_cursor(crHandPoint);
    else if (w == "default") set_cursor(crDefault);
    else ctx.fail(p, "is handpoint or default");
  } else if (k == "align") {
    const std::string& w = ctx.word(p);
    if (w == "client") set_align(Align::Client);
    else if (w == "none") set_align(Align::None);
    else ctx.fail(p, "is client or none");
  } else {
    return Component::set_property(p, ctx);
  }
  return true;
}

// The menu may be declared after the control, so it is found once the
// whole design is in.
void Control::loaded() {
  if (popup_menu_name_.empty() || popup_menu_) return;
  popup_menu_ = dynamic_cast<PopupMenu*>(form()->find_component(popup_menu_name_));
  if (!popup_menu_) throw Error("Control " + name() + ": no popup menu named " + popup_menu_name_);
}

bool Control::bind_event(std::string_view event, const Handler& h) {
  if (event == "OnMouseDown") return take_handler(h, on_mouse_down);
  if (event == "OnMouseUp") return take_handler(h, on_mouse_up);
  if (event == "OnClick") return take_handler(h, on_click);
  return Component::bind_event(event, h);
}

}  // namespace ui
