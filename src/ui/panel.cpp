#include "ui/panel.h"

#include "ui/colours.h"
#include "ui/design_context.h"

namespace ui {

Panel::Panel(std::string name, Component* owner, Control* parent) : Control(std::move(name), owner, parent) {}

void Panel::paint(plat::Canvas& canvas, int x, int y) {
  plat::RECT r{x, y, x + width_, y + height_};
  canvas.fill_rect(r, color());
  if (bevel_) canvas.frame_rect(r, colours::kButtonBorder);
  paint_children(canvas, x, y);
}

bool Panel::set_property(const DesignProperty& p, DesignContext& ctx) {
  if (p.key == "bevel") {
    const std::string& w = ctx.word(p);
    if (w != "none" && w != "raised") ctx.fail(p, "is none or raised");
    bevel_ = w == "raised";
  } else if (p.key == "ctl3d") {
    ctx.boolean(p);  // a flat panel is all this toolkit draws
  } else {
    return Control::set_property(p, ctx);
  }
  return true;
}

}  // namespace ui
