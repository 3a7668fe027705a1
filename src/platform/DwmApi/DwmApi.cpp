#include "platform/DwmApi/DwmApi.h"

#include <string>

#include "platform/platform.h"
#include "platform/system_folder.h"

namespace DwmApi {
namespace {

using IsCompositionEnabledFn = plat::HRESULT(PLAT_WINAPI*)(plat::BOOL*);
using RegisterThumbnailFn = plat::HRESULT(PLAT_WINAPI*)(plat::HWND, plat::HWND, plat::HTHUMBNAIL*);
using UnregisterThumbnailFn = plat::HRESULT(PLAT_WINAPI*)(plat::HTHUMBNAIL);
using UpdateThumbnailPropertiesFn =
    plat::HRESULT(PLAT_WINAPI*)(plat::HTHUMBNAIL, const plat::DWM_THUMBNAIL_PROPERTIES*);
using GetWindowAttributeFn = plat::HRESULT(PLAT_WINAPI*)(plat::HWND, plat::DWORD, void*, plat::DWORD);
using ExtendFrameFn = plat::HRESULT(PLAT_WINAPI*)(plat::HWND, const plat::MARGINS*);

// The module's whole state: the library, once loaded, and each entry
// once found. Used from the user-interface thread only.
plat::HMODULE library = 0;
IsCompositionEnabledFn is_composition_enabled = nullptr;
RegisterThumbnailFn register_thumbnail = nullptr;
UnregisterThumbnailFn unregister_thumbnail = nullptr;
UpdateThumbnailPropertiesFn update_thumbnail_properties = nullptr;
GetWindowAttributeFn get_window_attribute = nullptr;
ExtendFrameFn extend_frame = nullptr;

void load_library() {
  if (library != 0) return;
  const std::string path = plat::system_file("dwmapi.dll");
  if (!path.empty()) library = plat::os().LoadLibraryA(path.c_str());
}

// Finds an entry on first use; a miss is looked up again next time.
template <class Fn>
Fn entry(Fn& slot, const char* name) {
  if (slot) return slot;
  load_library();
  if (library != 0) {
    slot = reinterpret_cast<Fn>(reinterpret_cast<void (*)()>(plat::os().GetProcAddress(library, name)));
  }
  return slot;
}

}  // namespace

plat::HRESULT DwmIsCompositionEnabled(plat::BOOL* enabled) {
  auto fn = entry(is_composition_enabled, "DwmIsCompositionEnabled");
  return fn ? fn(enabled) : plat::E_NOTIMPL;
}

plat::HRESULT DwmRegisterThumbnail(plat::HWND destination, plat::HWND source, plat::HTHUMBNAIL* thumbnail) {
  auto fn = entry(register_thumbnail, "DwmRegisterThumbnail");
  return fn ? fn(destination, source, thumbnail) : plat::E_NOTIMPL;
}

plat::HRESULT DwmUnregisterThumbnail(plat::HTHUMBNAIL thumbnail) {
  auto fn = entry(unregister_thumbnail, "DwmUnregisterThumbnail");
  return fn ? fn(thumbnail) : plat::E_NOTIMPL;
}

plat::HRESULT DwmUpdateThumbnailProperties(plat::HTHUMBNAIL thumbnail,
                                           const plat::DWM_THUMBNAIL_PROPERTIES* properties) {
  auto fn = entry(update_thumbnail_properties, "DwmUpdateThumbnailProperties");
  return fn ? fn(thumbnail, properties) : plat::E_NOTIMPL;
}

plat::HRESULT DwmGetWindowAttribute(plat::HWND window, plat::DWORD attribute, void* value, plat::DWORD size) {
  auto fn = entry(get_window_attribute, "DwmGetWindowAttribute");
  return fn ? fn(window, attribute, value, size) : plat::E_NOTIMPL;
}

plat::HRESULT DwmExtendFrameIntoClientArea(plat::HWND window, const plat::MARGINS* margins) {
  auto fn = entry(extend_frame, "DwmExtendFrameIntoClientArea");
  return fn ? fn(window, margins) : plat::E_NOTIMPL;
}

bool IsCompositionActive() {
  if (plat::os().os_major_version() < 6) return false;
  plat::BOOL enabled = 0;
  if (DwmIsCompositionEnabled(&enabled) != plat::S_OK) return false;
  return enabled != 0;
}

bool IsWindowCloaked(plat::HWND window) {
  if (plat::os().os_major_version() < 6) return false;
  plat::DWORD cloaked = 0;
  if (DwmGetWindowAttribute(window, plat::DWMWA_CLOAKED, &cloaked, sizeof cloaked) != plat::S_OK) return false;
  return cloaked != 0;
}

void finalize() {
  if (library != 0) plat::os().FreeLibrary(library);
  library = 0;
  is_composition_enabled = nullptr;
  register_thumbnail = nullptr;
  unregister_thumbnail = nullptr;
  update_thumbnail_properties = nullptr;
  get_window_attribute = nullptr;
  extend_frame = nullptr;
}

}  // namespace DwmApi
