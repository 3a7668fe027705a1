// Whether visual styles draw this program's windows: uxtheme's
// IsAppThemed, looked up once from the system folder's copy. The library
// is missing on some systems, and then there are no styles.
#include "platform/win32/themes.h"

#include "platform/win32/entry_point.h"
#include "platform/win32/library_search.h"
#include "platform/win32/win32_platform.h"

namespace win32 {

namespace {

ThemeApi look_up_theme_api(Win32Platform& os) {
  ThemeApi api;
  api.uxtheme = load_system_library(os, "uxtheme.dll");
  api.is_app_themed = entry_point<ThemeApi::IsAppThemed>(api.uxtheme.get(), "IsAppThemed");
  return api;
}

}  // namespace

// Asked at every use: the user may switch to the classic look while the
// program runs.
bool Win32Platform::visual_styles_active() {
  if (!themes_) themes_ = std::make_unique<ThemeApi>(look_up_theme_api(*this));
  return themes_->is_app_themed && themes_->is_app_themed() != FALSE;
}

}  // namespace win32
