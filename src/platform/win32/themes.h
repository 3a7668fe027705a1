// uxtheme's IsAppThemed, looked up once from the system folder's copy of
// the library, which some systems lack.
#pragma once

#include "platform/win32/handles.h"

namespace win32 {

struct ThemeApi {
  using IsAppThemed = BOOL(WINAPI*)();
  UniqueModule uxtheme;
  IsAppThemed is_app_themed = nullptr;  // null: no styles
};

}  // namespace win32
