#include "ui/combo_box.h"

#include "ui/colours.h"
#include "ui/design_context.h"

namespace ui {

ComboBox::ComboBox(std::string name, Component* owner, Control* parent) : Control(std::move(name), owner, parent) {}

void ComboBox::set_text(std::string_view text) {
  text_ = std::string(text);
  item_index_ = -1;
  for (std::size_t i = 0; i < items_.size(); ++i) {
    if (items_[i] == text_) item_index_ = static_cast<int>(i);
  }
  invalidate();
}

void ComboBox::set_item_index(int index) {
  item_index_ = (index >= 0 && index < static_cast<int>(items_.size())) ? index : -1;
  if (item_index_ >= 0) text_ = items_[item_index_];
  invalidate();
}

void ComboBox::paint(plat::Canvas& canvas, int x, int y) {
  plat::RECT r{x, y, x + width_, y + height_};
  canvas.fill_rect(r, colours::kWindow);
  canvas.frame_rect(r, colours::kFieldBorder);
  int arrow_w = height_;
  plat::RECT arrow{r.right - arrow_w, r.top, r.right, r.bottom};
  canvas.fill_rect(arrow, colours::kButtonFace);
  canvas.frame_rect(arrow, colours::kFieldBorder);
  canvas.draw_text("v", font(), colours::kWindowText, arrow, plat::TextAlign::Center);
  plat::RECT text_box{x + scaled(3), y + scaled(2), arrow.left - scaled(2), y + height_ - scaled(2)};
  canvas.draw_text(text_, font(), colours::kWindowText, text_box, plat::TextAlign::Left);
}

bool ComboBox::set_property(const DesignProperty& p, DesignContext& ctx) {
  if (p.key == "items") {
    for (auto& s : ctx.strings(p)) items_.push_back(std::move(s));
  } else if (p.key == "text") {
    text_ = ctx.string(p);
  } else if (p.key == "itemheight") {
    item_height_ = ctx.scaled(p);
  } else if (p.key == "itemindex") {
    set_item_index(static_cast<int>(ctx.integer(p)));
  } else if (p.key == "style") {
    if (ctx.word(p) != "dropdown") ctx.fail(p, "is dropdown");
  } else {
    return Control::set_property(p, ctx);
  }
  return true;
}

}  // namespace ui
