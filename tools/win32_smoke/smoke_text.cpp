// Text on its way to GDI: the code-page conversion of the seam's 8-bit
// text, and a non-ASCII line drawn and measured through the canvas.
//
// What Wine can prove here and what it cannot: Windows 10 1903 and later
// give this program UTF-8 as its code page while GDI's narrow calls keep
// reading the system code page, so a narrow DrawTextA would draw
// "miércoles" as "miÃ©rcoles". Wine is not known to reproduce that fault,
// so these checks cannot show the narrow path failing. They show that the
// wide path converts the process's code page as documented and draws and
// measures exactly the glyphs of the intended text, and not those of the
// mis-decoded one.
#include <cstdio>
#include <optional>
#include <string>
#include <vector>

#include "platform/win32/dib.h"
#include "platform/win32/fonts.h"
#include "platform/win32/gdi_canvas.h"
#include "platform/win32/handles.h"
#include "platform/win32/wide_text.h"
#include "smoke.h"

namespace smoke {

namespace {

std::string hex_of(const std::wstring& text) {
  std::string out;
  char buffer[8];
  for (wchar_t c : text) {
    std::snprintf(buffer, sizeof buffer, "%04X ", static_cast<unsigned>(c));
    out += buffer;
  }
  return out;
}

void check_conversion(Report& r) {
  struct Row {
    const char* what;
    std::string bytes;
    std::wstring expected;
  } rows[] = {
      {"empty", "", L""},
      {"ASCII", "Slatebar 10:45", L"Slatebar 10:45"},
      {"two-byte UTF-8", "mi\xC3\xA9rcoles Jos\xC3\xA9", L"mi\u00E9rcoles Jos\u00E9"},
      {"three-byte UTF-8", "\xE2\x82\xAC 5 \xE2\x98\xBA", L"\u20AC 5 \u263A"},
      // Bytes that begin no sequence, a continuation byte on its own and a
      // sequence cut off at the end each become one U+FFFD; the text around
      // them survives.
      {"invalid byte", "a\xFF" "b", L"a\uFFFDb"},
      {"lone continuation byte", "a\x80" "b", L"a\uFFFDb"},
      {"cut-off sequence at the end", "Jos\xC3", L"Jos\uFFFD"},
  };
  for (const Row& row : rows) {
    const std::wstring got = win32::to_wide(row.bytes, CP_UTF8);
    r.check(std::string("to_wide: ") + row.what, got == row.expected, hex_of(got));
  }
  // The program's own conversion goes by the process's code page, which its
  // manifest (and this program's) makes UTF-8.
  r.check("the process code page is UTF-8 (manifest)", ::GetACP() == CP_UTF8, std::to_string(::GetACP()));
  r.check("to_wide with CP_ACP reads UTF-8 here", win32::to_wide("mi\xC3\xA9rcoles") == L"mi\u00E9rcoles");
  // A Spanish day name reaches the seam in the process's code page, as the
  // canvas will read it back, whatever the locale's own code page is.
  const LCID spanish = MAKELCID(MAKELANGID(LANG_SPANISH, SUBLANG_SPANISH_MODERN), SORT_DEFAULT);
  const std::string day = win32::locale_text(spanish, LOCALE_SDAYNAME3);
  r.check("a locale text comes in the process code page", day == "mi\xC3\xA9rcoles",
          hex_of(win32::to_wide(day)));
  r.check("to_narrow is to_wide's inverse", win32::to_narrow(L"Jos\u00E9 \u20AC") == "Jos\xC3\xA9 \xE2\x82\xAC");
}

constexpr int kWidth = 240;
constexpr int kHeight = 32;
const plat::Font kFont{"Tahoma", -20, false};
constexpr plat::COLORREF kInk = 0x00000000;
const plat::RECT kBox{4, 4, kWidth - 4, kHeight - 4};

// A white top-down 32-bit picture the size of the box, with a DC on it.
struct Surface {
  Surface() : dc(::CreateCompatibleDC(nullptr)) {
    BITMAPINFO info = win32::top_down_info(kWidth, kHeight);
    void* bits = nullptr;
    bitmap.reset(::CreateDIBSection(dc.get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    pixels = static_cast<const std::uint32_t*>(bits);
    selected.emplace(dc.get(), bitmap.get());
    const ::RECT all{0, 0, kWidth, kHeight};
    ::FillRect(dc.get(), &all, static_cast<HBRUSH>(::GetStockObject(WHITE_BRUSH)));
  }
  std::vector<std::uint32_t> copy() const {
    return pixels ? std::vector<std::uint32_t>(pixels, pixels + kWidth * kHeight) : std::vector<std::uint32_t>{};
  }
  win32::MemoryDc dc;
  win32::GdiObject<HBITMAP> bitmap;
  const std::uint32_t* pixels = nullptr;
  std::optional<win32::SelectedObject> selected;
};

// The same line drawn directly with the wide call, as the canvas should.
std::vector<std::uint32_t> drawn_wide(const std::wstring& text) {
  Surface s;
  win32::SelectedObject font(s.dc.get(), win32::cached_font(kFont));
  ::SetBkMode(s.dc.get(), TRANSPARENT);
  ::SetTextColor(s.dc.get(), kInk);
  ::RECT rect{kBox.left, kBox.top, kBox.right, kBox.bottom};
  ::DrawTextW(s.dc.get(), text.data(), static_cast<int>(text.size()), &rect, DT_SINGLELINE | DT_NOPREFIX | DT_TOP | DT_LEFT);
  return s.copy();
}

LONG width_wide(const std::wstring& text) {
  win32::WindowDc screen(nullptr);
  win32::SelectedObject font(screen.get(), win32::cached_font(kFont));
  ::SIZE size{};
  ::GetTextExtentPoint32W(screen.get(), text.data(), static_cast<int>(text.size()), &size);
  return size.cx;
}

void check_canvas(win32::Win32Platform& os, Report& r) {
  const std::string line = "mi\xC3\xA9rcoles, Jos\xC3\xA9";  // as GetLocaleInfoA and GetUserNameA hand it over
  const std::wstring meant = L"mi\u00E9rcoles, Jos\u00E9";
  const std::wstring misread = L"mi\u00C3\u00A9rcoles, Jos\u00C3\u00A9";  // the same bytes read as code page 1252

  Surface canvas_surface;
  {
    win32::GdiCanvas canvas(canvas_surface.dc.get(), {0, 0, kWidth, kHeight});
    canvas.draw_text(line, kFont, kInk, kBox, plat::TextAlign::Left);
  }
  const auto through_canvas = canvas_surface.copy();
  const auto expected = drawn_wide(meant);
  const auto wrong = drawn_wide(misread);
  const auto blank = Surface().copy();
  r.check("canvas draws non-ASCII text", !through_canvas.empty() && through_canvas != blank);
  r.check("canvas draws the glyphs of the meant text", through_canvas == expected);
  r.check("canvas does not draw the mis-decoded text", through_canvas != wrong);

  const plat::SIZE measured = os.measure_text(kFont, line);
  r.check("measure_text measures the meant text", measured.cx == width_wide(meant),
          std::to_string(measured.cx) + " vs " + std::to_string(width_wide(meant)));
  r.check("measure_text does not measure the mis-decoded text", measured.cx != width_wide(misread),
          std::to_string(width_wide(misread)));
}

}  // namespace

void check_text(win32::Win32Platform& os, Report& report) {
  check_conversion(report);
  check_canvas(os, report);
}

}  // namespace smoke
