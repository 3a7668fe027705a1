#include "ui/design_context.h"
#include "ui/strings.h"

#include <cstdlib>

#include "ui/error.h"

namespace ui {

int mul_div(int value, int numerator, int denominator) {
  if (denominator == 0) return -1;
  long long product = static_cast<long long>(value) * numerator;
  long long half = std::llabs(denominator) / 2;
  bool negative = (product < 0) != (denominator < 0);
  long long magnitude = (std::llabs(product) + half) / std::llabs(denominator);
  return static_cast<int>(negative ? -magnitude : magnitude);
}

DesignContext::DesignContext(std::string source, int screen_text_height, int design_text_height)
    : source_(std::move(source)), screen_text_height_(screen_text_height), design_text_height_(design_text_height) {}

int DesignContext::scale(int designed) const {
  if (screen_text_height_ == design_text_height_) return designed;
  return mul_div(designed, screen_text_height_, design_text_height_);
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
