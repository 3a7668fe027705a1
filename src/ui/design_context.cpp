#include "ui/design_context.h"
#include "ui/strings.h"

#include "ui/error.h"

namespace ui {

DesignContext::DesignContext(std::string source, int dpi, int design_text_height)
    : source_(std::move(source)), dpi_(dpi), design_text_height_(design_text_height) {}

// A design made at another text height than 13 was made at the dpi that
// gives it: 96 * height / 13. For 13 this is scale() exactly.
int DesignContext::at_96(int designed) const {
  if (design_text_height_ == kDesignTextHeight) return designed;
  return mul_div(designed, kDesignTextHeight, design_text_height_);
}

int DesignContext::scale(int designed) const {
  if (design_text_height_ == kDesignTextHeight) return ui::scale(designed, dpi_);
  return mul_div(designed, dpi_ * kDesignTextHeight, design_text_height_ * kDesignDpi);
}

void DesignContext::fail(const DesignProperty& p, std::string_view why) const {
  throw Error(cat("Design ", source_, ", line ", p.line, ": ", p.key, " ", why));
}

const DesignAtom& DesignContext::single(const DesignProperty& p) const {
  if (p.values.size() != 1) fail(p, "takes one value");
  return p.values.front();
}

std::int64_t DesignContext::integer(const DesignProperty& p) const {
  auto* v = std::get_if<std::int64_t>(&single(p));
  if (!v) fail(p, "takes a number");
  return *v;
}

bool DesignContext::boolean(const DesignProperty& p) const {
  auto* v = std::get_if<bool>(&single(p));
  if (!v) fail(p, "takes true or false");
  return *v;
}

const std::string& DesignContext::string(const DesignProperty& p) const {
  auto* v = std::get_if<std::string>(&single(p));
  if (!v) fail(p, "takes a quoted string");
  return *v;
}

const std::string& DesignContext::word(const DesignProperty& p) const {
  auto* v = std::get_if<DesignWord>(&single(p));
  if (!v) fail(p, "takes a name");
  return v->text;
}

std::vector<std::string> DesignContext::strings(const DesignProperty& p) const {
  std::vector<std::string> out;
  for (const auto& atom : p.values) {
    auto* v = std::get_if<std::string>(&atom);
    if (!v) fail(p, "takes quoted strings");
    out.push_back(*v);
  }
  return out;
}

plat::COLORREF DesignContext::colour(const DesignProperty& p) const {
  auto v = integer(p);
  if (v < 0 || v > 0x00FFFFFF) fail(p, "takes a colour 0x00BBGGRR");
  return static_cast<plat::COLORREF>(v);
}

plat::Font DesignContext::font(const DesignProperty& p) const {
  plat::Font f;
  if (p.values.size() < 2 || p.values.size() > 3) fail(p, "reads: font \"Name\" <height> [bold]");
  auto* name = std::get_if<std::string>(&p.values[0]);
  auto* height = std::get_if<std::int64_t>(&p.values[1]);
  if (!name || !height) fail(p, "reads: font \"Name\" <height> [bold]");
  f.name = *name;
  f.height = scale(static_cast<int>(*height));
  if (p.values.size() == 3) {
    auto* style = std::get_if<DesignWord>(&p.values[2]);
    if (!style || style->text != "bold") fail(p, "style must be bold");
    f.bold = true;
  }
  return f;
}

}  // namespace ui
