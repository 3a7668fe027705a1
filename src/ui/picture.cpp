#include "ui/picture.h"

#include "ui/design_context.h"
#include "ui/image/scale.h"
#include "ui/picture_file.h"

namespace ui {

Picture::Picture(std::string name, Component* owner, Control* parent) : Control(std::move(name), owner, parent) {}

void Picture::set_image(plat::Image image) {
  image_ = std::move(image);
  scaled_ = {};
  fit();
  invalidate();
}

void Picture::clear() { set_image({}); }

void Picture::load_from_file(std::string_view path) { set_image(load_picture_file(path)); }

void Picture::load_bitmap(std::string_view path) {
  // Whatever it held before is replaced by an empty bitmap first, so a
  // failed read leaves no picture behind.
  clear();
  set_image(load_bitmap_file(path));
}

void Picture::set_stretch(bool on) {
  stretch_ = on;
  invalidate();
}

void Picture::set_auto_size(bool on) {
  auto_size_ = on;
  fit();
}

void Picture::fit() {
  if (auto_size_ && !image_.empty() && align() == Align::None) {
    set_bounds(left_, top_, image_.width, image_.height);
  }
}

const plat::Image& Picture::stretched() {
  if (scaled_.width != width_ || scaled_.height != height_) {
    scaled_ = image::scale_image(image_, width_, height_);
  }
  return scaled_;
}

void Picture::paint(plat::Canvas& canvas, int x, int y) {
  if (image_.empty() || width_ <= 0 || height_ <= 0) return;
  plat::RECT clip{x, y, x + width_, y + height_};
  if (stretch_ && (image_.width != width_ || image_.height != height_)) {
    canvas.draw_image(stretched(), x, y, clip);
  } else {
    canvas.draw_image(image_, x, y, clip);
  }
}

bool Picture::set_property(const DesignProperty& p, DesignContext& ctx) {
  if (p.key == "picture") set_image(load_picture_resource(ctx.word(p)));
  else if (p.key == "stretch") set_stretch(ctx.boolean(p));
  else if (p.key == "autosize") set_auto_size(ctx.boolean(p));
  else return Control::set_property(p, ctx);
  return true;
}

}  // namespace ui
