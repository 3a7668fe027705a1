#include "ui/list_box.h"

#include "ui/colours.h"
#include "ui/design_context.h"

namespace ui {

ListBox::ListBox(std::string name, Component* owner, Control* parent) : Control(std::move(name), owner, parent) {}

void ListBox::add_item(std::string_view text) {
  items_.emplace_back(text);
  invalidate();
}

void ListBox::clear() {
  items_.clear();
  item_index_ = -1;
  invalidate();
}

void ListBox::set_item_index(int index) {
  item_index_ = (index >= 0 && index < count()) ? index : -1;
  invalidate();
}

void ListBox::begin_update() { ++update_depth_; }

void ListBox::end_update() {
  if (update_depth_ > 0 && --update_depth_ == 0 && dirty_) {
    dirty_ = false;
    Control::invalidate();
  }
}

void ListBox::invalidate() {
  if (update_depth_ > 0) {
    dirty_ = true;
    return;
  }
  Control::invalidate();
}

void ListBox::paint(plat::Canvas& canvas, int x, int y) {
  plat::RECT r{x, y, x + width_, y + height_};
  canvas.fill_rect(r, colours::kWindow);
  canvas.frame_rect(r, colours::kFieldBorder);
  int row_top = y + 1;
  for (int i = 0; i < count() && row_top < r.bottom - 1; ++i) {
    plat::RECT row{x + 1, row_top, x + width_ - 1, std::min<int>(row_top + item_height_, r.bottom - 1)};
    bool selected = i == item_index_;
    if (selected) canvas.fill_rect(row, colours::kHighlight);
    plat::RECT text_box{row.left + scaled(2), row.top, row.right, row.bottom};
    canvas.draw_text(items_[i], font(), selected ? colours::kHighlightText : colours::kWindowText, text_box,
                     plat::TextAlign::Left);
    row_top += item_height_;
  }
}

bool ListBox::set_property(const DesignProperty& p, DesignContext& ctx) {
  if (p.key == "itemheight") item_height_ = ctx.scaled(p);
  else if (p.key == "items") {
    for (auto& s : ctx.strings(p)) items_.push_back(std::move(s));
  } else if (p.key == "sorted") {
    if (ctx.boolean(p)) ctx.fail(p, "is not supported");
  } else {
    return Control::set_property(p, ctx);
  }
  return true;
}

}  // namespace ui
