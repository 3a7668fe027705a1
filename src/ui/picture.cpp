#include "ui/picture.h"

#include <algorithm>

#include "ui/design_context.h"
#include "ui/picture_file.h"
#include "ui/scale.h"

namespace ui {

namespace {

// Rows of a grown picture stretched at a time: a screen-wide band of them
// is a few hundred kilobytes, made and dropped within one paint.
constexpr int kBandRows = 64;
// A grown copy this small is kept rather than made again at every paint:
// the bar's icons at 200 %, a few tens of kilobytes each.
constexpr std::size_t kKeptGrownPixels = 256 * 256;

std::size_t area(int width, int height) { return static_cast<std::size_t>(width) * static_cast<std::size_t>(height); }

}  // namespace

Picture::Picture(std::string name, Component* owner, Control* parent) : Control(std::move(name), owner, parent) {}

void Picture::set_image(plat::Image image) {
  image_ = std::move(image);
  scaled_ = {};
  stretch_at_paint_.reset();
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
    const plat::SIZE shown = shown_size();
    set_bounds(left_, top_, shown.cx, shown.cy);
  }
}

void Picture::dpi_applied() { fit(); }

// Pictures are made for 96 pixels per inch, like the designs: at natural
// size one is drawn grown by the form's scale, so that it keeps its size
// beside the texts and places around it.
plat::SIZE Picture::shown_size() const {
  if (stretch_) return {width_, height_};
  return {scaled(image_.width), scaled(image_.height)};
}

bool Picture::grown() const { return area(width_, height_) > area(image_.width, image_.height); }

const plat::Image& Picture::stretched(plat::SIZE size) {
  if (scaled_.width != size.cx || scaled_.height != size.cy) {
    scaled_ = image::scale_image(image_, size.cx, size.cy);
  }
  return scaled_;
}

void Picture::hold_visible_only() {
  if (image_.empty() || width_ <= 0 || height_ <= 0) return;
  if (stretch_) {
    // Shrunk, the stretched copy is the smaller and is all a paint needs;
    // grown, it would be the larger, and the picture is kept instead.
    if ((image_.width == width_ && image_.height == height_) || grown()) return;
    image_ = image::scale_image(image_, width_, height_);
    scaled_ = {};
    return;
  }
  // The picture's pixels that the bounds show at this scale, a part one
  // counted whole.
  auto seen = [&](int bounds, int natural) { return std::min(natural, (bounds * kDesignDpi + dpi() - 1) / dpi()); };
  const int w = seen(width_, image_.width), h = seen(height_, image_.height);
  if (w == image_.width && h == image_.height) return;
  plat::Image part = plat::Image::blank(w, h);
  for (int y = 0; y < h; ++y) {
    const auto row = image_.pixels.begin() + static_cast<std::ptrdiff_t>(y) * image_.width;
    std::copy(row, row + w, part.pixels.begin() + static_cast<std::ptrdiff_t>(y) * w);
  }
  image_ = std::move(part);
}

void Picture::paint(plat::Canvas& canvas, int x, int y) {
  if (image_.empty() || width_ <= 0 || height_ <= 0) return;
  plat::RECT clip{x, y, x + width_, y + height_};
  const plat::SIZE shown = shown_size();
  const std::size_t shown_area = area(shown.cx, shown.cy);
  if (shown.cx == image_.width && shown.cy == image_.height) {
    canvas.draw_image(image_, x, y, clip);
  } else if (shown_area > area(image_.width, image_.height) && shown_area > kKeptGrownPixels) {
    paint_stretched(canvas, x, y, clip, shown);
  } else {
    canvas.draw_image(stretched(shown), x, y, clip);
  }
}

// Only the painted part, in bands, so that nothing of the stretched size
// outlives the paint, nor is made whole for a small update.
void Picture::paint_stretched(plat::Canvas& canvas, int x, int y, const plat::RECT& clip, plat::SIZE shown) {
  const plat::RECT paint = canvas.paint_rect();
  const int left = std::max(clip.left, paint.left), right = std::min(clip.right, paint.right);
  const int top = std::max(clip.top, paint.top), bottom = std::min(clip.bottom, paint.bottom);
  if (left >= right || top >= bottom) return;
  const int right_end = std::min(right, x + static_cast<int>(shown.cx));
  const int bottom_end = std::min(bottom, y + static_cast<int>(shown.cy));
  if (left >= right_end || top >= bottom_end) return;
  if (!stretch_at_paint_ || stretch_at_paint_->width() != shown.cx || stretch_at_paint_->height() != shown.cy ||
      stretch_at_paint_->src_width() != image_.width || stretch_at_paint_->src_height() != image_.height) {
    stretch_at_paint_ = std::make_unique<image::Stretch>(image_.width, image_.height, shown.cx, shown.cy);
  }
  plat::Image band;
  for (int band_top = top; band_top < bottom_end; band_top += kBandRows) {
    const int band_bottom = std::min(band_top + kBandRows, bottom_end);
    stretch_at_paint_->part(image_, {left - x, band_top - y, right_end - x, band_bottom - y}, band);
    band.touch();
    canvas.draw_image(band, left, band_top, clip);
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
