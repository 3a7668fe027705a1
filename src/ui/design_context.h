// What a component needs while it reads its design properties: typed
// values with clear errors, and designed pixel values at the dpi of the
// window they are shown in.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "platform/canvas.h"
#include "ui/design.h"
#include "ui/scale.h"

namespace ui {

class DesignContext {
 public:
  static constexpr int kDesignTextHeight = 13;

  DesignContext(std::string source, int dpi, int design_text_height = kDesignTextHeight);

  // Designs are made at 96 pixels per inch (a text height of 13) and shown
  // at `dpi` through the program's one scale (scale.h). The text-height
  // ratio is not used: it rounds 13 * dpi / 96 to a whole height first
  // (20 / 13 at 144 dpi, 4 % more than the 3 / 2 of the places computed in
  // code), and the designed parts would drift from the computed ones.
  int scale(int designed) const;
  // The designed value at 96 pixels per inch, as kept for a later dpi.
  int at_96(int designed) const;
  int dpi() const { return dpi_; }
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
  int dpi_;
  int design_text_height_;
};

}  // namespace ui
