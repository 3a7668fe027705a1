// Run-time access to the desktop compositor. The program must start on
// systems without it, so "DWMAPI.DLL" is never a load-time import: it is
// loaded by the first call that needs it and each entry is looked up by
// name on first use. A missing library or entry answers E_NOTIMPL and
// writes no out-argument; every other result passes through unchanged.
//
// One CompositorAccess belongs to a run of the program and holds the
// library and the entries found; while it lives the module's calls below
// reach it, and when it goes it frees the library. Without one, the calls
// answer as a system without the library does.
#pragma once

#include "platform/owners.h"
#include "platform/winapi.h"

namespace DwmApi {

class CompositorAccess {
 public:
  CompositorAccess();
  ~CompositorAccess();
  CompositorAccess(const CompositorAccess&) = delete;
  CompositorAccess& operator=(const CompositorAccess&) = delete;

  plat::HRESULT DwmIsCompositionEnabled(plat::BOOL* enabled);
  plat::HRESULT DwmRegisterThumbnail(plat::HWND destination, plat::HWND source, plat::HTHUMBNAIL* thumbnail);
  plat::HRESULT DwmUnregisterThumbnail(plat::HTHUMBNAIL thumbnail);
  plat::HRESULT DwmUpdateThumbnailProperties(plat::HTHUMBNAIL thumbnail,
                                             const plat::DWM_THUMBNAIL_PROPERTIES* properties);
  plat::HRESULT DwmGetWindowAttribute(plat::HWND window, plat::DWORD attribute, void* value, plat::DWORD size);
  plat::HRESULT DwmExtendFrameIntoClientArea(plat::HWND window, const plat::MARGINS* margins);
  bool IsCompositionActive();
  bool IsWindowCloaked(plat::HWND window);

 private:
  using IsCompositionEnabledFn = plat::HRESULT(PLAT_WINAPI*)(plat::BOOL*);
  using RegisterThumbnailFn = plat::HRESULT(PLAT_WINAPI*)(plat::HWND, plat::HWND, plat::HTHUMBNAIL*);
  using UnregisterThumbnailFn = plat::HRESULT(PLAT_WINAPI*)(plat::HTHUMBNAIL);
  using UpdateThumbnailPropertiesFn =
      plat::HRESULT(PLAT_WINAPI*)(plat::HTHUMBNAIL, const plat::DWM_THUMBNAIL_PROPERTIES*);
  using GetWindowAttributeFn = plat::HRESULT(PLAT_WINAPI*)(plat::HWND, plat::DWORD, void*, plat::DWORD);
  using ExtendFrameFn = plat::HRESULT(PLAT_WINAPI*)(plat::HWND, const plat::MARGINS*);

  void load_library();
  template <class Fn>
  Fn entry(Fn& slot, const char* name);

  // Declared first, so that it goes last, after every entry into it.
  plat::Module library_;
  IsCompositionEnabledFn is_composition_enabled_ = nullptr;
  RegisterThumbnailFn register_thumbnail_ = nullptr;
  UnregisterThumbnailFn unregister_thumbnail_ = nullptr;
  UpdateThumbnailPropertiesFn update_thumbnail_properties_ = nullptr;
  GetWindowAttributeFn get_window_attribute_ = nullptr;
  ExtendFrameFn extend_frame_ = nullptr;
  // The access that was in force before this one, back in force when this
  // one goes (a test's own access inside a program's).
  CompositorAccess* previous_ = nullptr;
};

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

}  // namespace DwmApi
