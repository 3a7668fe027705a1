#include "platform/win32/gdi_canvas.h"

#include <algorithm>

#include "platform/win32/convert.h"
#include "platform/win32/dib.h"
#include "platform/win32/fonts.h"
#include "platform/win32/wide_text.h"

namespace win32 {

void GdiCanvas::fill_rect(const plat::RECT& r, plat::COLORREF color) {
  GdiObject<HBRUSH> brush(::CreateSolidBrush(color));
  const ::RECT rect = to_rect(r);
  if (brush) ::FillRect(dc_, &rect, brush.get());
}

void GdiCanvas::frame_rect(const plat::RECT& r, plat::COLORREF color) {
  GdiObject<HBRUSH> brush(::CreateSolidBrush(color));
  const ::RECT rect = to_rect(r);
  if (brush) ::FrameRect(dc_, &rect, brush.get());
}

HDC GdiCanvas::source_dc() {
  if (!source_) source_.reset(::CreateCompatibleDC(dc_));
  return source_.get();
}

void GdiCanvas::draw_image(const plat::Image& img, int x, int y, const plat::RECT& clip) {
  // Only the part inside the clip and the paint is copied or blended, so
  // no clip region is needed and no pixel outside the buffer is touched.
  const int left = std::max<int>({x, clip.left, paint_.left});
  const int top = std::max<int>({y, clip.top, paint_.top});
  const int right = std::min<int>({x + img.width, clip.right, paint_.right});
  const int bottom = std::min<int>({y + img.height, clip.bottom, paint_.bottom});
  if (left >= right || top >= bottom) return;

  const DibSection* dib = cached_dib(img);
  if (!dib) return;
  if (dib->opaque) {
    // From the picture's first row in the clip, so the source rectangle
    // starts at the header's top whatever the system counts rows from.
    const int rows = bottom - top;
    const BITMAPINFO info = top_down_info(img.width, rows);
    const std::uint32_t* first = img.pixels.data() + static_cast<std::size_t>(top - y) * img.width;
    ::StretchDIBits(dc_, left, top, right - left, rows, left - x, 0, right - left, rows, first, &info,
                    DIB_RGB_COLORS, SRCCOPY);
    return;
  }
  HDC source = source_dc();
  if (!source) return;
  SelectedObject selected(source, dib->bitmap.get());
  const ::BLENDFUNCTION blend{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
  // GDI's own name for AlphaBlend: gdi32 is always loaded from the system
  // folder, where msimg32, which exports AlphaBlend, is looked for beside
  // the exe first.
  ::GdiAlphaBlend(dc_, left, top, right - left, bottom - top, source, left - x, top - y, right - left,
                  bottom - top, blend);
}

void GdiCanvas::draw_text(std::string_view line, const plat::Font& font, plat::COLORREF color,
                          const plat::RECT& box, plat::TextAlign align) {
  if (line.empty()) return;
  SelectedObject selected(dc_, cached_font(font));
  ::SetBkMode(dc_, TRANSPARENT);
  ::SetTextColor(dc_, color);
  ::RECT rect = to_rect(box);
  // Without DT_NOCLIP, DrawTextW cuts the line to the box.
  UINT format = DT_SINGLELINE | DT_NOPREFIX | DT_TOP;
  format |= align == plat::TextAlign::Center ? DT_CENTER : DT_LEFT;
  const std::wstring wide = to_wide(line);
  ::DrawTextW(dc_, wide.data(), static_cast<int>(wide.size()), &rect, format);
}

}  // namespace win32
