// Backend sources reach the system headers only through this file. The
// seam declares its constants under the Win32 macro names, so it has to be
// seen before <windows.h> turns those names into macros; the few seam names
// that backend code still needs afterwards are taken here, while they are
// still plain identifiers.
#pragma once

#include "platform/platform.h"

namespace win32::seam {

inline constexpr plat::RegistryRoot kCurrentUser = plat::RegistryRoot::HKEY_CURRENT_USER;
inline constexpr plat::RegistryRoot kLocalMachine = plat::RegistryRoot::HKEY_LOCAL_MACHINE;

}  // namespace win32::seam

#ifndef NOMINMAX
#define NOMINMAX
#endif
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>
#include <windowsx.h>
