// What a component needs while it reads its design properties: typed
// values with clear errors, and the one place where designed pixel values
// are scaled to the screen.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "platform/canvas.h"
#include "ui/design.h"

namespace ui {

class DesignContext {
 public:
  DesignContext(std::string source, int screen_text_height, int design_text_height = 13);

  // Designs are made at a text height of 13 (96 pixels per inch); a
  // screen of another text height scales designed values by the ratio.
  int scale(int designed) const;
  void set_design_text_height(int h) { design_text_height_ = h; }

  std::int64_t integer(const DesignProperty& p) const;
  int scaled(const DesignProperty& p) const { return scale(static_cast<int>(integer(p))); }
  bool boolean(const DesignProperty& p) const;
  const std::string& string(const DesignProperty& p) const;
  const std::string& word(const DesignProperty& p) const;
  std::vector<std::string> strings(const DesignProperty& p) const;
  plat::COLORREF colour(const DesignProperty& p) const;
  plat::Font font(const DesignProperty& p) const;

  [[noreturn]] void fail(const DesignProperty& p, std::string_view why) const;
  const std::string& source() const { return source_; }

 private:
  const DesignAtom& single(const DesignProperty& p) const;
  std::string source_;
  int screen_text_height_;
  int design_text_height_;
};

// MulDiv as Windows rounds it: to the nearest, halves away from zero.
int mul_div(int value, int numerator, int denominator);

}  // namespace ui
