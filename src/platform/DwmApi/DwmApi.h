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

// True when live thumbnails can be shown now: a system of major version 6
// or later whose compositor answers S_OK with composition on.
bool IsCompositionActive();

// Frees the library at shutdown if this module loaded it.
void finalize();

}  // namespace DwmApi
