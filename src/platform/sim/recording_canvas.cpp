#include "platform/sim/recording_canvas.h"

#include <cstdio>

namespace sim {
namespace {

std::string rect_text(const RECT& r) {
  char buf[64];
  std::snprintf(buf, sizeof buf, "%d,%d,%d,%d", r.left, r.top, r.right, r.bottom);
  return buf;
}

std::string color_text(COLORREF c) {
  char buf[16];
  std::snprintf(buf, sizeof buf, "0x%08X", c);
  return buf;
}

}  // namespace

DrawOp& RecordingCanvas::next(DrawKind kind) {
  DrawOp& op = used_ < out_.size() ? out_[used_] : out_.emplace_back();
  ++used_;
  op.kind = kind;
  op.rect = {};
  op.color = 0;
  op.x = op.y = 0;
  op.image = nullptr;
  op.image_size = {};
  op.image_copy.reset();
  op.text.clear();
  op.align = plat::TextAlign::Left;
  return op;
}

void RecordingCanvas::fill_rect(const RECT& r, COLORREF color) {
  DrawOp& op = next(DrawKind::FillRect);
  op.rect = r;
  op.color = color;
}

void RecordingCanvas::frame_rect(const RECT& r, COLORREF color) {
  DrawOp& op = next(DrawKind::FrameRect);
  op.rect = r;
  op.color = color;
}

void RecordingCanvas::draw_image(const plat::Image& img, int x, int y, const RECT& clip) {
  DrawOp& op = next(DrawKind::Image);
  op.rect = clip;
  op.x = x;
  op.y = y;
  op.image = &img;
  op.image_size = {img.width, img.height};
  if (copy_images_) {
    auto copy = std::make_shared<plat::Image>();
    copy->width = img.width;
    copy->height = img.height;
    copy->pixels = img.pixels;
    op.image_copy = std::move(copy);
  }
}

void RecordingCanvas::draw_text(std::string_view line, const plat::Font& font, COLORREF color, const RECT& box,
                                plat::TextAlign align) {
  DrawOp& op = next(DrawKind::Text);
  op.text.assign(line);
  op.font = font;
  op.color = color;
  op.rect = box;
  op.align = align;
}

std::vector<std::string> drawn_texts(const Recording& recording) {
  std::vector<std::string> texts;
  for (const DrawOp& op : recording) {
    if (op.kind == DrawKind::Text) texts.push_back(op.text);
  }
  return texts;
}

std::string describe(const DrawOp& op) {
  switch (op.kind) {
    case DrawKind::FillRect:
      return "fill " + rect_text(op.rect) + " " + color_text(op.color);
    case DrawKind::FrameRect:
      return "frame " + rect_text(op.rect) + " " + color_text(op.color);
    case DrawKind::Image: {
      char buf[96];
      std::snprintf(buf, sizeof buf, "image %dx%d at %d,%d clip ", op.image_size.cx, op.image_size.cy, op.x, op.y);
      return buf + rect_text(op.rect);
    }
    case DrawKind::Text:
      return "text \"" + op.text + "\" " + op.font.name + " " + std::to_string(op.font.height) +
             (op.font.bold ? " bold " : " ") + color_text(op.color) + " " + rect_text(op.rect) +
             (op.align == plat::TextAlign::Center ? " center" : "");
  }
  return {};
}

std::vector<std::string> describe(const Recording& recording) {
  std::vector<std::string> lines;
  lines.reserve(recording.size());
  for (const DrawOp& op : recording) lines.push_back(describe(op));
  return lines;
}

}  // namespace sim
