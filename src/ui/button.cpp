#include "ui/button.h"

#include "ui/colours.h"
#include "ui/design_context.h"

namespace ui {

Button::Button(std::string name, Component* owner, Control* parent) : Control(std::move(name), owner, parent) {
  set_width(scaled(75));
  set_height(scaled(25));
}

void Button::set_caption(std::string_view text) {
  caption_ = std::string(text);
  invalidate();
}

void Button::paint(plat::Canvas& canvas, int x, int y) {
  plat::RECT r{x, y, x + width_, y + height_};
  canvas.fill_rect(r, colours::kButtonFace);
  canvas.frame_rect(r, colours::kButtonBorder);
  canvas.draw_text(caption_, font(), colours::kWindowText, r, plat::TextAlign::Center);
}

bool Button::set_property(const DesignProperty& p, DesignContext& ctx) {
  if (p.key == "caption") caption_ = ctx.string(p);
  else return Control::set_property(p, ctx);
  return true;
}

}  // namespace ui
