// The seam's canvas over a GDI device context (the back buffer of a paint).
#pragma once

#include "platform/canvas.h"
#include "platform/win32/handles.h"

namespace win32 {

class GdiCanvas final : public plat::Canvas {
 public:
  // `paint` is the part of the client area that the DC covers.
  GdiCanvas(HDC dc, const plat::RECT& paint) : dc_(dc), paint_(paint) {}

  plat::RECT paint_rect() const override { return paint_; }

  void fill_rect(const plat::RECT& r, plat::COLORREF color) override;
  void frame_rect(const plat::RECT& r, plat::COLORREF color) override;
  void draw_image(const plat::Image& img, int x, int y, const plat::RECT& clip) override;
  void draw_text(std::string_view line, const plat::Font& font, plat::COLORREF color, const plat::RECT& box,
                 plat::TextAlign align) override;

 private:
  HDC source_dc();

  HDC dc_;
  plat::RECT paint_;
  MemoryDc source_;  // for pictures, made on the first draw_image
};

}  // namespace win32
