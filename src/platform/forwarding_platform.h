// A platform that hands every call to another one: the base of a
// platform that watches or changes a few calls (the simulated desktop's
// recorder) and passes the rest on unchanged. A call added to
// Platform is added here once, not to every wrapper.
#pragma once

#include "platform/platform.h"

namespace plat {

class ForwardingPlatform : public Platform {
 public:
  explicit ForwardingPlatform(Platform& target) : target_(target) {}

  HWND create_window(const WindowParams& params, WindowSink* sink) override {
    return target_.create_window(params, sink);
  }
  BOOL DestroyWindow(HWND hwnd) override { return target_.DestroyWindow(hwnd); }
  BOOL ShowWindow(HWND hwnd, int cmd) override { return target_.ShowWindow(hwnd, cmd); }
  BOOL IsWindowVisible(HWND hwnd) override { return target_.IsWindowVisible(hwnd); }
  BOOL IsWindowEnabled(HWND hwnd) override { return target_.IsWindowEnabled(hwnd); }
  BOOL EnableWindow(HWND hwnd, BOOL enable) override { return target_.EnableWindow(hwnd, enable); }
  BOOL SetWindowPos(HWND hwnd, HWND insert_after, int x, int y, int cx, int cy, UINT flags) override {
    return target_.SetWindowPos(hwnd, insert_after, x, y, cx, cy, flags);
  }
  BOOL GetWindowRect(HWND hwnd, RECT* rect) override { return target_.GetWindowRect(hwnd, rect); }
  BOOL GetClientRect(HWND hwnd, RECT* rect) override { return target_.GetClientRect(hwnd, rect); }
  LONG GetWindowLongA(HWND hwnd, int index) override { return target_.GetWindowLongA(hwnd, index); }
  LONG SetWindowLongA(HWND hwnd, int index, LONG value) override { return target_.SetWindowLongA(hwnd, index, value); }
  BOOL SetLayeredWindowAttributes(HWND hwnd, COLORREF key, std::uint8_t alpha, DWORD flags) override {
    return target_.SetLayeredWindowAttributes(hwnd, key, alpha, flags);
  }
  BOOL GetLayeredWindowAttributes(HWND hwnd, COLORREF* key, std::uint8_t* alpha, DWORD* flags) override {
    return target_.GetLayeredWindowAttributes(hwnd, key, alpha, flags);
  }
  BOOL UpdateLayeredWindow(HWND hwnd, const POINT* dst, const SIZE* size, const Image& src, const POINT* src_pt,
                           COLORREF key, const BLENDFUNCTION* blend, DWORD flags) override {
    return target_.UpdateLayeredWindow(hwnd, dst, size, src, src_pt, key, blend, flags);
  }
  BOOL SetWindowTextA(HWND hwnd, const char* text) override { return target_.SetWindowTextA(hwnd, text); }
  int GetWindowTextA(HWND hwnd, char* buffer, int max_count) override {
    return target_.GetWindowTextA(hwnd, buffer, max_count);
  }
  HWND FindWindowA(const char* class_name, const char* window_name) override {
    return target_.FindWindowA(class_name, window_name);
  }
  HWND GetForegroundWindow() override { return target_.GetForegroundWindow(); }
  BOOL SetForegroundWindow(HWND hwnd) override { return target_.SetForegroundWindow(hwnd); }
  HWND GetDesktopWindow() override { return target_.GetDesktopWindow(); }
  HWND GetWindow(HWND hwnd, UINT cmd) override { return target_.GetWindow(hwnd, cmd); }
  void SwitchToThisWindow(HWND hwnd, BOOL alt_tab) override { target_.SwitchToThisWindow(hwnd, alt_tab); }
  HWND SetCapture(HWND hwnd) override { return target_.SetCapture(hwnd); }
  BOOL ReleaseCapture() override { return target_.ReleaseCapture(); }
  HWND GetCapture() override { return target_.GetCapture(); }
  BOOL InvalidateRect(HWND hwnd, const RECT* rect) override { return target_.InvalidateRect(hwnd, rect); }
  BOOL AdjustWindowRectEx(RECT* rect, DWORD style, BOOL menu, DWORD ex_style) override {
    return target_.AdjustWindowRectEx(rect, style, menu, ex_style);
  }
  BOOL GetCursorPos(POINT* point) override { return target_.GetCursorPos(point); }
  std::int16_t GetAsyncKeyState(int vkey) override { return target_.GetAsyncKeyState(vkey); }
  int GetSystemMetrics(int index) override { return target_.GetSystemMetrics(index); }
  BOOL SystemParametersInfoA(UINT action, UINT param, void* pv, UINT win_ini) override {
    return target_.SystemParametersInfoA(action, param, pv, win_ini);
  }
  int screen_dpi() override { return target_.screen_dpi(); }
  HMONITOR MonitorFromPoint(POINT point, DWORD flags) override { return target_.MonitorFromPoint(point, flags); }
  BOOL GetMonitorInfoA(HMONITOR monitor, MONITORINFO* info) override {
    return target_.GetMonitorInfoA(monitor, info);
  }
  UINT GetDpiForWindow(HWND hwnd) override { return target_.GetDpiForWindow(hwnd); }
  HCURSOR LoadCursorA(HMODULE module, int id) override { return target_.LoadCursorA(module, id); }
  BOOL DestroyCursor(HCURSOR cursor) override { return target_.DestroyCursor(cursor); }
  HCURSOR create_toolkit_hand_cursor() override { return target_.create_toolkit_hand_cursor(); }
  SIZE measure_text(const Font& font, std::string_view line) override { return target_.measure_text(font, line); }
  std::uintptr_t SetTimer(HWND hwnd, std::uintptr_t id, UINT elapse_ms) override {
    return target_.SetTimer(hwnd, id, elapse_ms);
  }
  BOOL KillTimer(HWND hwnd, std::uintptr_t id) override { return target_.KillTimer(hwnd, id); }
  BOOL PostMessageA(HWND hwnd, UINT msg, std::uintptr_t param) override {
    return target_.PostMessageA(hwnd, msg, param);
  }
  void PostQuitMessage(int exit_code) override { target_.PostQuitMessage(exit_code); }
  bool pump_one() override { return target_.pump_one(); }
  bool pump_pending() override { return target_.pump_pending(); }
  int MessageBoxA(HWND owner, const char* text, const char* caption, UINT type) override {
    return target_.MessageBoxA(owner, text, caption, type);
  }
  std::optional<std::size_t> TrackPopupMenu(HWND owner, const std::vector<MenuItemSpec>& items, int x,
                                            int y) override {
    return target_.TrackPopupMenu(owner, items, x, y);
  }
  DWORD GetTempPathA(DWORD size, char* buffer) override { return target_.GetTempPathA(size, buffer); }
  BOOL CopyFileA(const char* from, const char* to, BOOL fail_if_exists) override {
    return target_.CopyFileA(from, to, fail_if_exists);
  }
  UINT WinExec(const char* command_line, UINT show) override { return target_.WinExec(command_line, show); }
  void Sleep(DWORD ms) override { target_.Sleep(ms); }
  DWORD GetTickCount() override { return target_.GetTickCount(); }
  void GetLocalTime(SYSTEMTIME* time) override { target_.GetLocalTime(time); }
  HMODULE LoadLibraryA(const char* name) override { return target_.LoadLibraryA(name); }
  UINT GetSystemDirectoryA(char* buffer, UINT size) override { return target_.GetSystemDirectoryA(buffer, size); }
  FARPROC GetProcAddress(HMODULE module, const char* name) override {
    return target_.GetProcAddress(module, name);
  }
  BOOL FreeLibrary(HMODULE module) override { return target_.FreeLibrary(module); }
  DWORD GetModuleFileNameA(HMODULE module, char* buffer, DWORD size) override {
    return target_.GetModuleFileNameA(module, buffer, size);
  }
  DWORD GetFileAttributesA(const char* path) override { return target_.GetFileAttributesA(path); }
  BOOL CreateDirectoryA(const char* path) override { return target_.CreateDirectoryA(path); }
  DWORD GetLastError() override { return target_.GetLastError(); }
  std::string system_error_text(DWORD code) override { return target_.system_error_text(code); }
  std::string hresult_text(HRESULT hr) override { return target_.hresult_text(hr); }
  std::optional<std::vector<std::uint8_t>> read_file(const char* path) override { return target_.read_file(path); }
  DWORD os_major_version() override { return target_.os_major_version(); }
  BOOL GetUserNameA(char* buffer, DWORD* size) override { return target_.GetUserNameA(buffer, size); }
  std::string long_day_name(int day_of_week) override { return target_.long_day_name(day_of_week); }
  std::string short_month_name(int month) override { return target_.short_month_name(month); }
  std::u16string ansi_to_utf16(std::string_view text) override { return target_.ansi_to_utf16(text); }
  std::string utf16_to_ansi(std::u16string_view text) override { return target_.utf16_to_ansi(text); }
  LONG RegOpenKeyExA(RegistryRoot root, const char* subkey, std::uintptr_t* key) override {
    return target_.RegOpenKeyExA(root, subkey, key);
  }
  LONG RegQueryStringA(std::uintptr_t key, const char* value, std::string* out) override {
    return target_.RegQueryStringA(key, value, out);
  }
  LONG RegCloseKey(std::uintptr_t key) override { return target_.RegCloseKey(key); }
  std::optional<std::vector<std::uint8_t>> load_resource(std::string_view name) override {
    return target_.load_resource(name);
  }
  HRESULT OleInitialize() override { return target_.OleInitialize(); }
  void OleUninitialize() override { target_.OleUninitialize(); }
  std::uintptr_t GdiplusStartup() override { return target_.GdiplusStartup(); }
  void GdiplusShutdown(std::uintptr_t token) override { target_.GdiplusShutdown(token); }
  DecodedBitmap decode_picture_resource(std::string_view name) override {
    return target_.decode_picture_resource(name);
  }
  std::expected<std::unique_ptr<BrowserHost>, HRESULT> create_browser(HWND parent,
                                                                            BrowserEvents* events) override {
    return target_.create_browser(parent, events);
  }
  bool visual_styles_active() override { return target_.visual_styles_active(); }

 private:
  Platform& target_;
};

}  // namespace plat
