// The recording wrapper around the simulated desktop: the platform the
// program is given forwards every call to the desktop and writes the calls
// that recorded-sequence tests compare, and, as the desktop's message
// hook, the notifications its windows get. The desktop's window rules
// write nothing; what is recorded is only what crosses the seam.
#pragma once

#include <string>

#include "platform/platform.h"
#include "platform/sim/event_log.h"
#include "platform/sim/message_hook.h"

namespace sim {

class Desktop;

class Recorder final : public plat::Platform, public MessageHook {
 public:
  // The recorder reads the desktop only to name windows, modules and keys
  // in its entries, and never changes it except through the calls it forwards.
  Recorder(Desktop& desktop, EventLog& log) : desktop_(desktop), log_(log) {}

  // ---- MessageHook -----------------------------------------------------
  void activate_window(HWND hwnd, bool active) override;
  void activate_app(HWND hwnd, bool active) override;
  void capture_lost(HWND hwnd) override;
  void destroying(HWND hwnd) override;

  // ---- plat::Platform ----------------------------------------------------
  HWND create_window(const plat::WindowParams& params, plat::WindowSink* sink) override;
  BOOL DestroyWindow(HWND hwnd) override;
  BOOL ShowWindow(HWND hwnd, int cmd) override;
  BOOL IsWindowVisible(HWND hwnd) override;
  BOOL IsWindowEnabled(HWND hwnd) override;
  BOOL EnableWindow(HWND hwnd, BOOL enable) override;
  BOOL SetWindowPos(HWND hwnd, HWND insert_after, int x, int y, int cx, int cy, UINT flags) override;
  BOOL GetWindowRect(HWND hwnd, RECT* rect) override;
  BOOL GetClientRect(HWND hwnd, RECT* rect) override;
  LONG GetWindowLongA(HWND hwnd, int index) override;
  LONG SetWindowLongA(HWND hwnd, int index, LONG value) override;
  BOOL SetLayeredWindowAttributes(HWND hwnd, COLORREF key, std::uint8_t alpha, DWORD flags) override;
  BOOL GetLayeredWindowAttributes(HWND hwnd, COLORREF* key, std::uint8_t* alpha, DWORD* flags) override;
  BOOL UpdateLayeredWindow(HWND hwnd, const POINT* dst, const SIZE* size, const plat::Image& src,
                           const POINT* src_pt, COLORREF key, const plat::BLENDFUNCTION* blend,
                           DWORD flags) override;
  BOOL SetWindowTextA(HWND hwnd, const char* text) override;
  int GetWindowTextA(HWND hwnd, char* buffer, int max_count) override;
  HWND FindWindowA(const char* class_name, const char* window_name) override;
  HWND GetForegroundWindow() override;
  BOOL SetForegroundWindow(HWND hwnd) override;
  HWND GetDesktopWindow() override;
  HWND GetWindow(HWND hwnd, UINT cmd) override;
  void SwitchToThisWindow(HWND hwnd, BOOL alt_tab) override;
  HWND SetCapture(HWND hwnd) override;
  BOOL ReleaseCapture() override;
  HWND GetCapture() override;
  BOOL InvalidateRect(HWND hwnd, const RECT* rect) override;
  BOOL AdjustWindowRectEx(RECT* rect, DWORD style, BOOL menu, DWORD ex_style) override;

  BOOL GetCursorPos(POINT* point) override;
  std::int16_t GetAsyncKeyState(int vkey) override;
  int GetSystemMetrics(int index) override;
  BOOL SystemParametersInfoA(UINT action, UINT param, void* pv, UINT win_ini) override;
  int screen_dpi() override;
  plat::HMONITOR MonitorFromPoint(POINT point, DWORD flags) override;
  BOOL GetMonitorInfoA(plat::HMONITOR monitor, plat::MONITORINFO* info) override;
  UINT GetDpiForWindow(HWND hwnd) override;
  HCURSOR LoadCursorA(HMODULE module, int id) override;
  BOOL DestroyCursor(HCURSOR cursor) override;
  HCURSOR create_toolkit_hand_cursor() override;
  SIZE measure_text(const plat::Font& font, std::string_view line) override;

  std::uintptr_t SetTimer(HWND hwnd, std::uintptr_t id, UINT elapse_ms) override;
  BOOL KillTimer(HWND hwnd, std::uintptr_t id) override;
  BOOL PostMessageA(HWND hwnd, UINT msg, std::uintptr_t param) override;
  void PostQuitMessage(int exit_code) override;
  bool pump_one() override;
  bool pump_pending() override;
  int MessageBoxA(HWND owner, const char* text, const char* caption, UINT type) override;
  std::optional<std::size_t> TrackPopupMenu(HWND owner, const std::vector<plat::MenuItemSpec>& items, int x,
                                            int y) override;

  DWORD GetTempPathA(DWORD size, char* buffer) override;
  BOOL CopyFileA(const char* from, const char* to, BOOL fail_if_exists) override;
  UINT WinExec(const char* command_line, UINT show) override;
  void Sleep(DWORD ms) override;
  DWORD GetTickCount() override;
  void GetLocalTime(SYSTEMTIME* time) override;
  HMODULE LoadLibraryA(const char* name) override;
  UINT GetSystemDirectoryA(char* buffer, UINT size) override;
  plat::FARPROC GetProcAddress(HMODULE module, const char* name) override;
  BOOL FreeLibrary(HMODULE module) override;
  DWORD GetModuleFileNameA(HMODULE module, char* buffer, DWORD size) override;
  DWORD GetFileAttributesA(const char* path) override;
  BOOL CreateDirectoryA(const char* path) override;
  DWORD GetLastError() override;
  std::string system_error_text(DWORD code) override;
  std::string hresult_text(HRESULT hr) override;
  std::optional<std::vector<std::uint8_t>> read_file(const char* path) override;
  DWORD os_major_version() override;
  BOOL GetUserNameA(char* buffer, DWORD* size) override;
  std::string long_day_name(int day_of_week) override;
  std::string short_month_name(int month) override;
  std::u16string ansi_to_utf16(std::string_view text) override;
  std::string utf16_to_ansi(std::u16string_view text) override;

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
  bool visual_styles_active() override;

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
