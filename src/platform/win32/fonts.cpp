#include "platform/win32/fonts.h"

#include <map>
#include <tuple>

#include "platform/win32/handles.h"
#include "platform/win32/wide_text.h"

namespace win32 {

namespace {

GdiObject<HFONT> make_font(const plat::Font& font) {
  // Grey antialiasing rather than ClearType: colour-keyed and layered
  // windows would show ClearType's coloured fringes against their key.
  return GdiObject<HFONT>(::CreateFontW(font.height, 0, 0, 0, font.bold ? FW_BOLD : FW_NORMAL, FALSE, FALSE,
                                        FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                                        ANTIALIASED_QUALITY, DEFAULT_PITCH | FF_DONTCARE, to_wide(font.name).c_str()));
}

}  // namespace

HFONT cached_font(const plat::Font& font) {
  using Key = std::tuple<std::string, int, bool>;
  static std::map<Key, GdiObject<HFONT>> fonts;
  Key key{font.name, font.height, font.bold};
  auto it = fonts.find(key);
  if (it == fonts.end()) it = fonts.emplace(std::move(key), make_font(font)).first;
  if (it->second) return it->second.get();
  return static_cast<HFONT>(::GetStockObject(DEFAULT_GUI_FONT));
}

}  // namespace win32
