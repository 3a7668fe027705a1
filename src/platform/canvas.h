// What a window's paint handler draws on. The Windows backend backs it
// with a memory device context of the paint's size (so every paint is
// double-buffered), the simulated desktop records the calls so that tests
// can read them back.
#pragma once

#include <string>
#include <string_view>

#include "platform/image.h"
#include "platform/winapi.h"

namespace plat {

struct Font {
  std::string name = "Tahoma";
  int height = -11;  // negative: character height in pixels
  bool bold = false;
  friend bool operator==(const Font&, const Font&) = default;
};

enum class TextAlign { Left, Center };

class Canvas {
 public:
  virtual ~Canvas() = default;
  // The part of the client area this paint covers (the bounding box of the
  // update region), in client coordinates; whatever is drawn outside it
  // is lost, so a painter may skip it.
  virtual RECT paint_rect() const = 0;
  virtual void fill_rect(const RECT& r, COLORREF color) = 0;
  virtual void frame_rect(const RECT& r, COLORREF color) = 0;
  // Natural size at x, y, blended by the picture's own alpha, cut to clip.
  virtual void draw_image(const Image& img, int x, int y, const RECT& clip) = 0;
  // One line of text, no wrapping, with a transparent background, cut to box.
  virtual void draw_text(std::string_view line, const Font& font, COLORREF color, const RECT& box,
                         TextAlign align) = 0;
};

}  // namespace plat
