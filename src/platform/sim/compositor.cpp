#include "platform/sim/compositor.h"

#include <cstring>

namespace sim {
namespace {

Compositor* active = nullptr;

HRESULT PLAT_WINAPI is_enabled_entry(BOOL* enabled) { return active->is_composition_enabled(enabled); }
HRESULT PLAT_WINAPI register_entry(HWND d, HWND s, plat::HTHUMBNAIL* id) { return active->register_thumbnail(d, s, id); }
HRESULT PLAT_WINAPI unregister_entry(plat::HTHUMBNAIL id) { return active->unregister_thumbnail(id); }
HRESULT PLAT_WINAPI update_entry(plat::HTHUMBNAIL id, const plat::DWM_THUMBNAIL_PROPERTIES* p) {
  return active->update_thumbnail_properties(id, p);
}
HRESULT PLAT_WINAPI extend_entry(HWND w, const plat::MARGINS* m) { return active->extend_frame(w, m); }
HRESULT PLAT_WINAPI attribute_entry(HWND w, DWORD a, void* v, DWORD n) { return active->get_window_attribute(w, a, v, n); }

constexpr DWORD kCloakedShell = 2;  // DWM_CLOAKED_SHELL

}  // namespace

Compositor::Compositor(Desktop& desktop) : desktop_(desktop) {
  active = this;
  desktop.add_module("DWMAPI.DLL", {
                                       {"DwmIsCompositionEnabled", entry_point(&is_enabled_entry)},
                                       {"DwmRegisterThumbnail", entry_point(&register_entry)},
                                       {"DwmUnregisterThumbnail", entry_point(&unregister_entry)},
                                       {"DwmUpdateThumbnailProperties", entry_point(&update_entry)},
                                       {"DwmExtendFrameIntoClientArea", entry_point(&extend_entry)},
                                       {"DwmGetWindowAttribute", entry_point(&attribute_entry)},
                                   });
  desktop.registry().set_string(plat::RegistryRoot::HKEY_LOCAL_MACHINE,
                                "SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion", "SystemRoot", "C:\\Windows");
  desktop.files().write_file("C:\\Windows\\System32\\dwmapi.dll", std::string_view("MZ"));
}

Compositor::~Compositor() {
  if (active == this) active = nullptr;
}

Compositor* Compositor::current() { return active; }

void Compositor::note(const std::string& call, HRESULT result) {
  calls.push_back(call + " -> " + hex32(static_cast<std::uint32_t>(result)));
}

HRESULT Compositor::is_composition_enabled(BOOL* enabled) {
  if (plat::SUCCEEDED(is_enabled_result)) *enabled = composition_enabled;
  note("DwmIsCompositionEnabled", is_enabled_result);
  return is_enabled_result;
}

HRESULT Compositor::register_thumbnail(HWND destination, HWND source, plat::HTHUMBNAIL* id) {
  std::string call = "DwmRegisterThumbnail " + desktop_.name_of(destination) + " " + desktop_.name_of(source);
  if (plat::SUCCEEDED(register_result)) {
    *id = next_id_++;
    live[*id] = {destination, source, {}, false};
  }
  note(call, register_result);
  return register_result;
}

HRESULT Compositor::unregister_thumbnail(plat::HTHUMBNAIL id) {
  if (plat::SUCCEEDED(unregister_result)) live.erase(id);
  note("DwmUnregisterThumbnail " + std::to_string(id), unregister_result);
  return unregister_result;
}

HRESULT Compositor::update_thumbnail_properties(plat::HTHUMBNAIL id, const plat::DWM_THUMBNAIL_PROPERTIES* props) {
  last_properties = *props;
  std::memcpy(last_properties_bytes.data(), props, last_properties_bytes.size());
  if (auto it = live.find(id); it != live.end() && plat::SUCCEEDED(update_result)) {
    it->second.properties = *props;
    it->second.updated = true;
  }
  note("DwmUpdateThumbnailProperties " + std::to_string(id), update_result);
  return update_result;
}

HRESULT Compositor::extend_frame(HWND window, const plat::MARGINS* margins) {
  last_margins = *margins;
  note("DwmExtendFrameIntoClientArea " + desktop_.name_of(window), extend_result);
  return extend_result;
}

// Asked for every window a list considers; not noted among the calls,
// which tell what was done with thumbnails and frames.
HRESULT Compositor::get_window_attribute(HWND window, DWORD attribute, void* value, DWORD size) {
  if (!knows_cloaking || attribute != plat::DWMWA_CLOAKED || size != sizeof(DWORD) || !value) return plat::E_INVALIDARG;
  const DWORD answer = cloaked.contains(window) ? kCloakedShell : 0;
  std::memcpy(value, &answer, sizeof answer);
  return plat::S_OK;
}

void Compositor::switch_composition(bool on) {
  composition_enabled = on ? 1 : 0;
  desktop_.composition_changed();
}

}  // namespace sim
