// A fake desktop compositor: the module "DWMAPI.DLL" with the entries the
// program binds at run time, registered on a simulated desktop, with a
// record of every call and a switch for each fault a test needs. The
// system root and the library file are put where the presence test of
// the window list looks for them.
#pragma once

#include <array>
#include <cstdint>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "platform/sim/desktop.h"

namespace sim {

struct ThumbnailRegistration {
  HWND destination = 0;
  HWND source = 0;
  plat::DWM_THUMBNAIL_PROPERTIES properties{};
  bool updated = false;
};

class Compositor {
 public:
  // Installs the module, the registry value and the file on `desktop`;
  // the compositor stays reachable until uninstalled or destroyed.
  explicit Compositor(Desktop& desktop);
  ~Compositor();
  Compositor(const Compositor&) = delete;
  Compositor& operator=(const Compositor&) = delete;

  static Compositor* current();

  // ---- what it answers ---------------------------------------------------
  BOOL composition_enabled = 1;
  HRESULT is_enabled_result = plat::S_OK;
  HRESULT register_result = plat::S_OK;
  HRESULT update_result = plat::S_OK;
  HRESULT unregister_result = plat::S_OK;
  HRESULT extend_result = plat::S_OK;
  // Windows the compositor keeps off the screen (DWMWA_CLOAKED reads
  // DWM_CLOAKED_SHELL for them), and whether it knows the attribute at
  // all: Windows 7's refuses it with E_INVALIDARG.
  std::set<HWND> cloaked;
  bool knows_cloaking = true;

  // Composition switched on or off by the user while the program runs
  // (Windows 7): every top-level window hears of it.
  void switch_composition(bool on);

  // ---- what it saw -------------------------------------------------------
  // "DwmRegisterThumbnail frmAppPicture Notepad -> 0x00000000", etc.
  std::vector<std::string> calls;
  std::map<plat::HTHUMBNAIL, ThumbnailRegistration> live;
  plat::DWM_THUMBNAIL_PROPERTIES last_properties{};
  // The record as the real compositor reads it: its published size in
  // bytes, taken from the caller's pointer, for tests to decode by the
  // published offsets.
  std::array<std::uint8_t, 45> last_properties_bytes{};
  plat::MARGINS last_margins{};

  // ---- the entries, reached through GetProcAddress ------------------------
  HRESULT is_composition_enabled(BOOL* enabled);
  HRESULT register_thumbnail(HWND destination, HWND source, plat::HTHUMBNAIL* id);
  HRESULT unregister_thumbnail(plat::HTHUMBNAIL id);
  HRESULT update_thumbnail_properties(plat::HTHUMBNAIL id, const plat::DWM_THUMBNAIL_PROPERTIES* props);
  HRESULT extend_frame(HWND window, const plat::MARGINS* margins);
  HRESULT get_window_attribute(HWND window, DWORD attribute, void* value, DWORD size);

 private:
  void note(const std::string& call, HRESULT result);
  Desktop& desktop_;
  plat::HTHUMBNAIL next_id_ = 0x3001;
};

}  // namespace sim
