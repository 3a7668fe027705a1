#include "ui/check_box.h"

#include "ui/colours.h"
#include "ui/design_context.h"

namespace ui {

CheckBox::CheckBox(std::string name, Component* owner, Control* parent) : Control(std::move(name), owner, parent) {}

void CheckBox::set_checked(bool on) {
  checked_ = on;
  invalidate();
}

void CheckBox::click() {
  set_checked(!checked_);
  Control::click();
}

void CheckBox::paint(plat::Canvas& canvas, int x, int y) {
  const int box = scaled(13);
  int box_top = y + (height_ - box) / 2;
  plat::RECT b{x, box_top, x + box, box_top + box};
  canvas.fill_rect(b, colours::kWindow);
  canvas.frame_rect(b, colours::kFieldBorder);
  const int mark = scaled(3);
  if (checked_) canvas.fill_rect({b.left + mark, b.top + mark, b.right - mark, b.bottom - mark}, colours::kWindowText);
  plat::RECT text_box{x + box + scaled(4), y, x + width_, y + height_};
  canvas.draw_text(caption_, font(), font_color(), text_box, plat::TextAlign::Left);
}

bool CheckBox::set_property(const DesignProperty& p, DesignContext& ctx) {
  if (p.key == "caption") caption_ = ctx.string(p);
  else if (p.key == "checked") checked_ = ctx.boolean(p);
  else return Control::set_property(p, ctx);
  return true;
}

}  // namespace ui
