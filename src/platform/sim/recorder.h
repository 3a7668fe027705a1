// The recording wrapper around the simulated desktop: the platform the
// program is given. Its base forwards every call to the desktop; it
// overrides the calls that recorded-sequence tests compare, to write them,
// and, as the desktop's message hook, writes the notifications its
// windows get. The desktop's window rules
// write nothing; what is recorded is only what crosses the seam.
#pragma once

#include <string>

#include "platform/forwarding_platform.h"
#include "platform/platform.h"
#include "platform/sim/event_log.h"
#include "platform/sim/message_hook.h"

namespace sim {

class Desktop;

class Recorder final : public plat::ForwardingPlatform, public MessageHook {
 public:
  // The recorder reads the desktop only to name windows, modules and keys
  // in its entries, and never changes it except through the calls it forwards.
  Recorder(Desktop& desktop, EventLog& log);

  // ---- MessageHook -----------------------------------------------------
  void activate_window(HWND hwnd, bool active) override;
  void activate_app(HWND hwnd, bool active) override;
  void capture_lost(HWND hwnd) override;
  void destroying(HWND hwnd) override;

  // ---- the calls it records; the rest pass through unwritten ------------
  HWND create_window(const plat::WindowParams& params, plat::WindowSink* sink) override;
  BOOL DestroyWindow(HWND hwnd) override;
  BOOL ShowWindow(HWND hwnd, int cmd) override;
  BOOL EnableWindow(HWND hwnd, BOOL enable) override;
  BOOL SetWindowPos(HWND hwnd, HWND insert_after, int x, int y, int cx, int cy, UINT flags) override;
  LONG SetWindowLongA(HWND hwnd, int index, LONG value) override;
  BOOL SetLayeredWindowAttributes(HWND hwnd, COLORREF key, std::uint8_t alpha, DWORD flags) override;
  BOOL UpdateLayeredWindow(HWND hwnd, const POINT* dst, const SIZE* size, const plat::Image& src,
                           const POINT* src_pt, COLORREF key, const plat::BLENDFUNCTION* blend,
                           DWORD flags) override;
  BOOL SetWindowTextA(HWND hwnd, const char* text) override;
  BOOL SetForegroundWindow(HWND hwnd) override;
  void SwitchToThisWindow(HWND hwnd, BOOL alt_tab) override;
  HWND SetCapture(HWND hwnd) override;
  BOOL ReleaseCapture() override;

  HCURSOR LoadCursorA(HMODULE module, int id) override;
  BOOL DestroyCursor(HCURSOR cursor) override;
  HCURSOR create_toolkit_hand_cursor() override;

  std::uintptr_t SetTimer(HWND hwnd, std::uintptr_t id, UINT elapse_ms) override;
  BOOL KillTimer(HWND hwnd, std::uintptr_t id) override;
  BOOL PostMessageA(HWND hwnd, UINT msg, std::uintptr_t param) override;
  void PostQuitMessage(int exit_code) override;
  int MessageBoxA(HWND owner, const char* text, const char* caption, UINT type) override;
  std::optional<std::size_t> TrackPopupMenu(HWND owner, const std::vector<plat::MenuItemSpec>& items, int x,
                                            int y) override;

  BOOL CopyFileA(const char* from, const char* to, BOOL fail_if_exists) override;
  UINT WinExec(const char* command_line, UINT show) override;
  void Sleep(DWORD ms) override;
  HMODULE LoadLibraryA(const char* name) override;
  plat::FARPROC GetProcAddress(HMODULE module, const char* name) override;
  BOOL FreeLibrary(HMODULE module) override;
  DWORD GetFileAttributesA(const char* path) override;
  BOOL CreateDirectoryA(const char* path) override;
  std::optional<std::vector<std::uint8_t>> read_file(const char* path) override;
  BOOL GetUserNameA(char* buffer, DWORD* size) override;

  LONG RegOpenKeyExA(plat::RegistryRoot root, const char* subkey, std::uintptr_t* key) override;
  LONG RegQueryStringA(std::uintptr_t key, const char* value, std::string* out) override;
  LONG RegCloseKey(std::uintptr_t key) override;

  std::optional<std::vector<std::uint8_t>> load_resource(std::string_view name) override;
  HRESULT OleInitialize() override;
  void OleUninitialize() override;
  std::uintptr_t GdiplusStartup() override;
  void GdiplusShutdown(std::uintptr_t token) override;
  plat::DecodedBitmap decode_picture_resource(std::string_view name) override;
  std::expected<std::unique_ptr<plat::BrowserHost>, HRESULT> create_browser(HWND parent,
                                                                            plat::BrowserEvents* events) override;

 private:
  // Off, the log must not even format an entry (allocation-counting tests).
  bool on() const { return log_.enabled(); }
  void add(std::string entry) { log_.add(std::move(entry)); }
  bool exists(HWND hwnd) const;
  std::string name(HWND hwnd) const;
  std::string after_name(HWND insert_after) const;
  // "ok", or "error N" with the last error the call left.
  std::string outcome(bool ok);

  Desktop& desktop_;
  EventLog& log_;
  // The window a DestroyWindow call names, until its destruction is seen.
  HWND destroy_call_ = 0;
  // WM_ACTIVATEAPP reaches every window of ours; the log keeps one line
  // per change of the program's state, not one per window.
  bool app_active_ = false;
};

}  // namespace sim
