// The real platform: every seam operation forwarded to the system. The
// class is declared without <windows.h> so that the entry and the smoke
// program see only seam types; each section of it lives in a file of its
// own beside this one.
#pragma once

#include "platform/platform.h"

namespace win32 {

// The layered-window calls, looked up in user32 once, because the program
// must start on systems that lack them; missing ones are replaced by
// functions that do nothing and fail.
struct LayeredApi;
// uxtheme, loaded from the system folder on first use (themes.cpp).
struct ThemeApi;
struct DpiApi;
struct GdiplusLibrary;

class Win32Platform final : public plat::Platform {
 public:
  Win32Platform();
  ~Win32Platform() override;
  Win32Platform(const Win32Platform&) = delete;
  Win32Platform& operator=(const Win32Platform&) = delete;

  // ---- windows (windows_ops.cpp, layered.cpp) ----------------------------
  plat::HWND create_window(const plat::WindowParams& params, plat::WindowSink* sink) override;
  plat::BOOL DestroyWindow(plat::HWND hwnd) override;
  plat::BOOL ShowWindow(plat::HWND hwnd, int cmd) override;
  plat::BOOL IsWindowVisible(plat::HWND hwnd) override;
  plat::BOOL IsWindowEnabled(plat::HWND hwnd) override;
  plat::BOOL EnableWindow(plat::HWND hwnd, plat::BOOL enable) override;
  plat::BOOL SetWindowPos(plat::HWND hwnd, plat::HWND insert_after, int x, int y, int cx, int cy,
                          plat::UINT flags) override;
  plat::BOOL GetWindowRect(plat::HWND hwnd, plat::RECT* rect) override;
  plat::BOOL GetClientRect(plat::HWND hwnd, plat::RECT* rect) override;
  plat::LONG GetWindowLongA(plat::HWND hwnd, int index) override;
  plat::LONG SetWindowLongA(plat::HWND hwnd, int index, plat::LONG value) override;
  plat::BOOL SetLayeredWindowAttributes(plat::HWND hwnd, plat::COLORREF key, std::uint8_t alpha,
                                        plat::DWORD flags) override;
  plat::BOOL GetLayeredWindowAttributes(plat::HWND hwnd, plat::COLORREF* key, std::uint8_t* alpha,
                                        plat::DWORD* flags) override;
  plat::BOOL UpdateLayeredWindow(plat::HWND hwnd, const plat::POINT* dst, const plat::SIZE* size,
                                 const plat::Image& src, const plat::POINT* src_pt, plat::COLORREF key,
                                 const plat::BLENDFUNCTION* blend, plat::DWORD flags) override;
  plat::BOOL SetWindowTextA(plat::HWND hwnd, const char* text) override;
  int GetWindowTextA(plat::HWND hwnd, char* buffer, int max_count) override;
  plat::HWND FindWindowA(const char* class_name, const char* window_name) override;
  plat::HWND GetForegroundWindow() override;
  plat::BOOL SetForegroundWindow(plat::HWND hwnd) override;
  plat::HWND GetDesktopWindow() override;
  plat::HWND GetWindow(plat::HWND hwnd, plat::UINT cmd) override;
  void SwitchToThisWindow(plat::HWND hwnd, plat::BOOL alt_tab) override;
  plat::HWND SetCapture(plat::HWND hwnd) override;
  plat::BOOL ReleaseCapture() override;
  plat::HWND GetCapture() override;
  plat::BOOL InvalidateRect(plat::HWND hwnd, const plat::RECT* rect) override;
  plat::BOOL AdjustWindowRectEx(plat::RECT* rect, plat::DWORD style, plat::BOOL menu,
                                plat::DWORD ex_style) override;

  // ---- input and screen (input_screen.cpp, hand_cursor.cpp) --------------
  plat::BOOL GetCursorPos(plat::POINT* point) override;
  std::int16_t GetAsyncKeyState(int vkey) override;
  int GetSystemMetrics(int index) override;
  plat::BOOL SystemParametersInfoA(plat::UINT action, plat::UINT param, void* pv, plat::UINT win_ini) override;
  // dpi.cpp
  int screen_dpi() override;
  plat::HMONITOR MonitorFromPoint(plat::POINT point, plat::DWORD flags) override;
  plat::BOOL GetMonitorInfoA(plat::HMONITOR monitor, plat::MONITORINFO* info) override;
  plat::UINT GetDpiForWindow(plat::HWND hwnd) override;
  plat::HCURSOR LoadCursorA(plat::HMODULE module, int id) override;
  plat::BOOL DestroyCursor(plat::HCURSOR cursor) override;
  plat::HCURSOR create_toolkit_hand_cursor() override;
  plat::SIZE measure_text(const plat::Font& font, std::string_view line) override;

  // ---- messages and timers (messages.cpp) --------------------------------
  std::uintptr_t SetTimer(plat::HWND hwnd, std::uintptr_t id, plat::UINT elapse_ms) override;
  plat::BOOL KillTimer(plat::HWND hwnd, std::uintptr_t id) override;
  plat::BOOL PostMessageA(plat::HWND hwnd, plat::UINT msg, std::uintptr_t param) override;
  void PostQuitMessage(int exit_code) override;
  bool pump_one() override;
  bool pump_pending() override;
  int MessageBoxA(plat::HWND owner, const char* text, const char* caption, plat::UINT type) override;
  std::optional<std::size_t> TrackPopupMenu(plat::HWND owner, const std::vector<plat::MenuItemSpec>& items,
                                            int x, int y) override;

  // ---- base services (base_services.cpp, files.cpp, text.cpp) ------------
  plat::DWORD GetTempPathA(plat::DWORD size, char* buffer) override;
  plat::BOOL CopyFileA(const char* from, const char* to, plat::BOOL fail_if_exists) override;
  plat::UINT WinExec(const char* command_line, plat::UINT show) override;
  void Sleep(plat::DWORD ms) override;
  plat::DWORD GetTickCount() override;
  void GetLocalTime(plat::SYSTEMTIME* time) override;
  plat::HMODULE LoadLibraryA(const char* name) override;
  plat::UINT GetSystemDirectoryA(char* buffer, plat::UINT size) override;
  plat::FARPROC GetProcAddress(plat::HMODULE module, const char* name) override;
  plat::BOOL FreeLibrary(plat::HMODULE module) override;
  plat::DWORD GetModuleFileNameA(plat::HMODULE module, char* buffer, plat::DWORD size) override;
  plat::DWORD GetFileAttributesA(const char* path) override;
  plat::BOOL CreateDirectoryA(const char* path) override;
  plat::DWORD GetLastError() override;
  std::string system_error_text(plat::DWORD code) override;
  std::string hresult_text(plat::HRESULT hr) override;
  std::optional<std::vector<std::uint8_t>> read_file(const char* path) override;
  plat::DWORD os_major_version() override;
  plat::BOOL GetUserNameA(char* buffer, plat::DWORD* size) override;
  std::string long_day_name(int day_of_week) override;
  std::string short_month_name(int month) override;
  std::u16string ansi_to_utf16(std::string_view text) override;
  std::string utf16_to_ansi(std::u16string_view text) override;

  // ---- registry (registry.cpp) -------------------------------------------
  plat::LONG RegOpenKeyExA(plat::RegistryRoot root, const char* subkey, std::uintptr_t* key) override;
  plat::LONG RegQueryStringA(std::uintptr_t key, const char* value, std::string* out) override;
  plat::LONG RegCloseKey(std::uintptr_t key) override;

  // ---- resources, COM, GDI+, browser -------------------------------------
  // (resources_com.cpp, gdiplus.cpp, picture_resource.cpp, browser_host.cpp)
  std::optional<std::vector<std::uint8_t>> load_resource(std::string_view name) override;
  plat::HRESULT OleInitialize() override;
  void OleUninitialize() override;
  std::uintptr_t GdiplusStartup() override;
  void GdiplusShutdown(std::uintptr_t token) override;
  plat::DecodedBitmap decode_picture_resource(std::string_view name) override;
  std::expected<std::unique_ptr<plat::BrowserHost>, plat::HRESULT> create_browser(
      plat::HWND parent, plat::BrowserEvents* events) override;

  // ---- visual styles (themes.cpp) -----------------------------------------
  bool visual_styles_active() override;

 private:
  // GDI+ from the system folder, loaded on first use (gdiplus_library.cpp);
  // null when it cannot be had.
  const GdiplusLibrary* gdiplus();

  std::unique_ptr<LayeredApi> layered_;
  std::unique_ptr<ThemeApi> themes_;
  std::unique_ptr<DpiApi> dpi_;
  std::unique_ptr<GdiplusLibrary> gdiplus_;
};

}  // namespace win32
