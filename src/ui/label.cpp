#include "ui/label.h"

#include <algorithm>

#include "ui/design_context.h"

namespace ui {

using plat::os;

std::vector<std::string_view> caption_lines(std::string_view text) {
  std::vector<std::string_view> lines;
  std::size_t start = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\r' || text[i] == '\n') {
      lines.push_back(text.substr(start, i - start));
      if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
      start = i + 1;
    }
  }
  lines.push_back(text.substr(start));
  return lines;
}

Label::Label(std::string name, Component* owner, Control* parent) : Control(std::move(name), owner, parent) {}

void Label::set_caption(std::string_view text) {
  if (text == caption_) return;
  caption_ = std::string(text);
  if (auto_size_ && !loading_) fit_to_text();
  invalidate();
}

void Label::set_transparent(bool on) {
  transparent_ = on;
  invalidate();
}

bool Label::draws_transparent() const { return transparent_.value_or(os().visual_styles_active()); }

void Label::fit_to_text() {
  int w = 0, h = 0;
  for (std::string_view line : caption_lines(caption_)) {
    plat::SIZE s = os().measure_text(font(), line.empty() ? std::string_view(" ") : line);
    if (!line.empty()) w = std::max<int>(w, s.cx);
    h += s.cy;
  }
  set_bounds(left_, top_, w, h);
}

void Label::paint(plat::Canvas& canvas, int x, int y) {
  plat::RECT box{x, y, x + width_, y + height_};
  if (!draws_transparent()) canvas.fill_rect(box, color());
  int line_top = y;
  for (std::string_view line : caption_lines(caption_)) {
    plat::SIZE s = os().measure_text(font(), line.empty() ? std::string_view(" ") : line);
    plat::RECT line_box{x, line_top, x + width_, std::min<int>(line_top + s.cy, y + height_)};
    if (!line.empty() && line_box.bottom > line_box.top) {
      canvas.draw_text(line, font(), font_color(), line_box, alignment_);
    }
    line_top += s.cy;
  }
}

bool Label::set_property(const DesignProperty& p, DesignContext& ctx) {
  if (p.key == "caption") caption_ = ctx.string(p);
  else if (p.key == "autosize") auto_size_ = ctx.boolean(p);
  else if (p.key == "transparent") transparent_ = ctx.boolean(p);
  else if (p.key == "alignment") {
    if (ctx.word(p) != "center") ctx.fail(p, "is center");
    alignment_ = plat::TextAlign::Center;
  } else {
    return Control::set_property(p, ctx);
  }
  return true;
}

void Label::loaded() {
  loading_ = false;
  if (auto_size_) fit_to_text();
  Control::loaded();
}

}  // namespace ui
