#include "compositor/DwmApi.h"

#include <string>

#include "platform/platform.h"
#include "platform/system_folder.h"

namespace DwmApi {
namespace {

// The run's access, as plat::os() is the run's platform. Used from the
// user-interface thread only.
CompositorAccess* in_force = nullptr;

}  // namespace

CompositorAccess::CompositorAccess() : previous_(in_force) { in_force = this; }

CompositorAccess::~CompositorAccess() {
  if (in_force == this) in_force = previous_;
}

void CompositorAccess::load_library() {
  if (library_) return;
  const std::string path = plat::system_file("dwmapi.dll");
  if (!path.empty()) library_.reset(plat::os().LoadLibraryA(path.c_str()));
}

// Finds an entry on first use; a miss is looked up again next time.
template <class Fn>
Fn CompositorAccess::entry(Fn& slot, const char* name) {
  if (slot) return slot;
  load_library();
  if (library_) {
    slot = reinterpret_cast<Fn>(reinterpret_cast<void (*)()>(plat::os().GetProcAddress(library_.get(), name)));
  }
  return slot;
}

plat::HRESULT CompositorAccess::DwmIsCompositionEnabled(plat::BOOL* enabled) {
  auto fn = entry(is_composition_enabled_, "DwmIsCompositionEnabled");
  return fn ? fn(enabled) : plat::E_NOTIMPL;
}

plat::HRESULT CompositorAccess::DwmRegisterThumbnail(plat::HWND destination, plat::HWND source,
                                                     plat::HTHUMBNAIL* thumbnail) {
  auto fn = entry(register_thumbnail_, "DwmRegisterThumbnail");
  return fn ? fn(destination, source, thumbnail) : plat::E_NOTIMPL;
}

plat::HRESULT CompositorAccess::DwmUnregisterThumbnail(plat::HTHUMBNAIL thumbnail) {
  auto fn = entry(unregister_thumbnail_, "DwmUnregisterThumbnail");
  return fn ? fn(thumbnail) : plat::E_NOTIMPL;
}

plat::HRESULT CompositorAccess::DwmUpdateThumbnailProperties(plat::HTHUMBNAIL thumbnail,
                                                             const plat::DWM_THUMBNAIL_PROPERTIES* properties) {
  auto fn = entry(update_thumbnail_properties_, "DwmUpdateThumbnailProperties");
  return fn ? fn(thumbnail, properties) : plat::E_NOTIMPL;
}

plat::HRESULT CompositorAccess::DwmGetWindowAttribute(plat::HWND window, plat::DWORD attribute, void* value,
                                                      plat::DWORD size) {
  auto fn = entry(get_window_attribute_, "DwmGetWindowAttribute");
  return fn ? fn(window, attribute, value, size) : plat::E_NOTIMPL;
}

plat::HRESULT CompositorAccess::DwmExtendFrameIntoClientArea(plat::HWND window, const plat::MARGINS* margins) {
  auto fn = entry(extend_frame_, "DwmExtendFrameIntoClientArea");
  return fn ? fn(window, margins) : plat::E_NOTIMPL;
}

bool CompositorAccess::IsCompositionActive() {
  if (plat::os().os_major_version() < 6) return false;
  plat::BOOL enabled = 0;
  if (DwmIsCompositionEnabled(&enabled) != plat::S_OK) return false;
  return enabled != 0;
}

bool CompositorAccess::IsWindowCloaked(plat::HWND window) {
  if (plat::os().os_major_version() < 6) return false;
  plat::DWORD cloaked = 0;
  if (DwmGetWindowAttribute(window, plat::DWMWA_CLOAKED, &cloaked, sizeof cloaked) != plat::S_OK) return false;
  return cloaked != 0;
}

plat::HRESULT DwmIsCompositionEnabled(plat::BOOL* enabled) {
  return in_force ? in_force->DwmIsCompositionEnabled(enabled) : plat::E_NOTIMPL;
}

plat::HRESULT DwmRegisterThumbnail(plat::HWND destination, plat::HWND source, plat::HTHUMBNAIL* thumbnail) {
  return in_force ? in_force->DwmRegisterThumbnail(destination, source, thumbnail) : plat::E_NOTIMPL;
}

plat::HRESULT DwmUnregisterThumbnail(plat::HTHUMBNAIL thumbnail) {
  return in_force ? in_force->DwmUnregisterThumbnail(thumbnail) : plat::E_NOTIMPL;
}

plat::HRESULT DwmUpdateThumbnailProperties(plat::HTHUMBNAIL thumbnail,
                                           const plat::DWM_THUMBNAIL_PROPERTIES* properties) {
  return in_force ? in_force->DwmUpdateThumbnailProperties(thumbnail, properties) : plat::E_NOTIMPL;
}

plat::HRESULT DwmGetWindowAttribute(plat::HWND window, plat::DWORD attribute, void* value, plat::DWORD size) {
  return in_force ? in_force->DwmGetWindowAttribute(window, attribute, value, size) : plat::E_NOTIMPL;
}

plat::HRESULT DwmExtendFrameIntoClientArea(plat::HWND window, const plat::MARGINS* margins) {
  return in_force ? in_force->DwmExtendFrameIntoClientArea(window, margins) : plat::E_NOTIMPL;
}

bool IsCompositionActive() { return in_force && in_force->IsCompositionActive(); }

bool IsWindowCloaked(plat::HWND window) { return in_force && in_force->IsWindowCloaked(window); }

}  // namespace DwmApi
