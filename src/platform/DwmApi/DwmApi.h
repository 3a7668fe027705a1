// Run-time access to the desktop compositor. The program must start on
// systems without it, so "DWMAPI.DLL" is never a load-time import: it is
// loaded by the first call that needs it and each entry is looked up by
// name on first use. A missing library or entry answers E_NOTIMPL and
// writes no out-argument; every other result passes through unchanged.
#pragma once

#include "platform/winapi.h"

namespace DwmApi {

plat::HRESULT DwmIsCompositionEnabled(plat::BOOL* enabled);
plat::HRESULT DwmRegisterThumbnail(plat::HWND destination, plat::HWND source, plat::HTHUMBNAIL* thumbnail);
plat::HRESULT DwmUnregisterThumbnail(plat::HTHUMBNAIL thumbnail);
plat::HRESULT DwmUpdateThumbnailProperties(plat::HTHUMBNAIL thumbnail, const plat::DWM_THUMBNAIL_PROPERTIES* properties);
plat::HRESULT DwmGetWindowAttribute(plat::HWND window, plat::DWORD attribute, void* value, plat::DWORD size);
plat::HRESULT DwmExtendFrameIntoClientArea(plat::HWND window, const plat::MARGINS* margins);

// True when live thumbnails can be shown now: a system of major version 6
// or later whose compositor answers S_OK with composition on.
bool IsCompositionActive();

// True when the compositor keeps a window from the screen although it
// counts as visible (Windows 8 on: suspended app frames, windows on
// another virtual desktop); a thumbnail of it shows nothing and a switch to
// it does nothing. False where the compositor does not know the attribute
// (Windows 7 refuses it) or is missing; below version 6 the library is not
// touched.
bool IsWindowCloaked(plat::HWND window);

// Frees the library at shutdown if this module loaded it.
void finalize();

}  // namespace DwmApi
