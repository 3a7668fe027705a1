#include "ui/label.h"

#include <algorithm>

#include "ui/design_context.h"

namespace ui {

using plat::os;

namespace {

// Calls `f` with each line of a caption: a carriage return, a line feed or
// the pair ends a line. The clock labels are measured and painted at every
// tick, so the text is walked in place rather than collected.
template <typename F>
void for_each_line(std::string_view text, F&& f) {
  std::size_t start = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\r' || text[i] == '\n') {
      f(text.substr(start, i - start));
      if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
      start = i + 1;
    }
  }
  f(text.substr(start));
}

}  // namespace

std::vector<std::string_view> caption_lines(std::string_view text) {
  std::vector<std::string_view> lines;
  for_each_line(text, [&](std::string_view line) { lines.push_back(line); });
  return lines;
}

Label::Label(std::string name, Component* owner, Control* parent) : Control(std::move(name), owner, parent) {}

void Label::set_caption(std::string_view text) {
  if (text == caption_) return;
  // Assigned in place: a caption that changes every second keeps its buffer.
  caption_.assign(text);
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
  for_each_line(caption_, [&](std::string_view line) {
    plat::SIZE s = os().measure_text(font(), line.empty() ? std::string_view(" ") : line);
    if (!line.empty()) w = std::max<int>(w, s.cx);
    h += s.cy;
  });
  set_bounds(left_, top_, w, h);
}

void Label::paint(plat::Canvas& canvas, int x, int y) {
  plat::RECT box{x, y, x + width_, y + height_};
  if (!draws_transparent()) canvas.fill_rect(box, color());
  int line_top = y;
  for_each_line(caption_, [&](std::string_view line) {
    plat::SIZE s = os().measure_text(font(), line.empty() ? std::string_view(" ") : line);
    plat::RECT line_box{x, line_top, x + width_, std::min<int>(line_top + s.cy, y + height_)};
    if (!line.empty() && line_box.bottom > line_box.top) {
      canvas.draw_text(line, font(), font_color(), line_box, alignment_);
    }
    line_top += s.cy;
  });
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

void Label::dpi_applied() {
  if (auto_size_ && !loading_) fit_to_text();
}

void Label::loaded() {
  loading_ = false;
  if (auto_size_) fit_to_text();
  Control::loaded();
}

}  // namespace ui
