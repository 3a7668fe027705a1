#include "ui/edit.h"

#include "ui/colours.h"
#include "ui/design_context.h"

namespace ui {

Edit::Edit(std::string name, Component* owner, Control* parent) : Control(std::move(name), owner, parent) {}

void Edit::set_text(std::string_view text) {
  text_ = std::string(text);
  invalidate();
}

void Edit::type(char ch) {
  if (ch == '\b') {
    if (!text_.empty()) text_.pop_back();
  } else if (static_cast<unsigned char>(ch) >= 0x20) {
    text_ += ch;
  }
  invalidate();
}

void Edit::paint(plat::Canvas& canvas, int x, int y) {
  plat::RECT r{x, y, x + width_, y + height_};
  canvas.fill_rect(r, colours::kWindow);
  canvas.frame_rect(r, colours::kFieldBorder);
  plat::RECT text_box{x + scaled(3), y + scaled(2), x + width_ - scaled(3), y + height_ - scaled(2)};
  canvas.draw_text(text_, font(), colours::kWindowText, text_box, plat::TextAlign::Left);
}

bool Edit::set_property(const DesignProperty& p, DesignContext& ctx) {
  if (p.key == "text") text_ = ctx.string(p);
  else return Control::set_property(p, ctx);
  return true;
}

}  // namespace ui
