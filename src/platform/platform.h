// The seam between the program and the operating system. Form and toolkit
// code reach the platform only through this interface, by the Win32 names
// of the operations; the Windows backend forwards to the real calls, the
// simulated desktop models them for tests.
#pragma once

#include <cstdint>
#include <expected>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "platform/canvas.h"
#include "platform/image.h"
#include "platform/winapi.h"

namespace plat {

enum class MouseButton { Left, Right, Middle };

// Shift state bits, as the toolkit hands them to mouse handlers.
enum ShiftBits : unsigned {
  ssShift = 1,
  ssAlt = 2,
  ssCtrl = 4,
  ssLeft = 8,
  ssRight = 16,
  ssMiddle = 32,
};

// A window's events, decoded by the backend's one window procedure.
// Coordinates are client coordinates of the window unless named screen.
class WindowSink {
 public:
  virtual ~WindowSink() = default;
  virtual void on_paint(Canvas& canvas) = 0;
  // False for a window that draws nothing itself (the browser control's
  // host, whose child covers it): its paints are only acknowledged, with
  // no buffer and no call of on_paint.
  virtual bool draws() const { return true; }
  virtual void on_mouse_down(MouseButton, unsigned /*shift*/, int /*x*/, int /*y*/) {}
  virtual void on_mouse_up(MouseButton, unsigned /*shift*/, int /*x*/, int /*y*/) {}
  virtual void on_mouse_move(unsigned /*shift*/, int /*x*/, int /*y*/) {}
  virtual void on_key_down(int /*vk*/, unsigned /*shift*/) {}
  // A key that produced a character (WM_CHAR).
  virtual void on_key_char(char /*ch*/) {}
  // The user or the system asked the window to close (WM_CLOSE).
  virtual void on_close_request() {}
  // Return a hit-test code to override the default answer, or nothing.
  virtual std::optional<int> on_nc_hit_test(int /*screen_x*/, int /*screen_y*/) { return {}; }
  // Cursor to show at a client point; 0 leaves the class cursor.
  virtual HCURSOR on_set_cursor(int /*x*/, int /*y*/) { return 0; }
  // The window was moved or sized by anyone (outer bounds, screen).
  virtual void on_bounds_changed(const RECT& /*outer*/) {}
  virtual void on_capture_lost() {}
  virtual void on_timer(std::uintptr_t /*id*/) {}
  // WM_ACTIVATE: the window became the active window, or stopped being it.
  virtual void on_activate_window(bool /*active*/) {}
  // WM_ACTIVATEAPP, delivered to the application window only.
  virtual void on_activate_app(bool /*active*/) {}
  // WM_DWMCOMPOSITIONCHANGED: the compositor was switched on or off
  // (Windows 7 lets the user do so while programs run); top-level windows.
  virtual void on_composition_changed() {}
  // WM_DISPLAYCHANGE: a monitor was added, removed or resized.
  virtual void on_display_change() {}
  // WM_DPICHANGED: the window is now shown at `dpi` (moved to a monitor of
  // another scale, or the user changed the scale); `suggested` is where the
  // system proposes it stands at that dpi (outer bounds, screen).
  virtual void on_dpi_changed(int /*dpi*/, const RECT& /*suggested*/) {}
  // A message posted with PostMessageA.
  virtual void on_posted(UINT /*msg*/, std::uintptr_t /*param*/) {}
};

struct WindowParams {
  std::string name;        // the form's or control's name, for diagnostics and logs
  std::string class_name;  // empty: the backend's ordinary form class
  std::string caption;
  DWORD style = WS_POPUP;
  DWORD ex_style = 0;
  RECT bounds{};      // outer bounds in screen pixels
  HWND owner = 0;     // owner window (the application window for forms)
  HWND parent = 0;    // set for child windows (browser host)
};

// The user's answer to a popup menu: index of the chosen item, or none.
struct MenuItemSpec {
  std::string caption;  // "-" is a separator; "&" marks the accelerator
  bool enabled = true;
};

// Events of the hosted web browser control.
class BrowserEvents {
 public:
  virtual ~BrowserEvents() = default;
  virtual void download_complete() = 0;
  // ppDisp and cancel are out-parameters, seeded with what the control sent.
  virtual void new_window2(std::shared_ptr<void>& ppDisp, bool& cancel) = 0;
};

// The web browser control hosted in a window. Every call returns the
// control's HRESULT; the toolkit turns failures into errors.
class BrowserHost {
 public:
  virtual ~BrowserHost() = default;
  virtual HRESULT Navigate(std::u16string_view url) = 0;
  virtual HRESULT GoBack() = 0;
  virtual HRESULT GoForward() = 0;
  virtual HRESULT put_FullScreen(bool on) = 0;
  virtual HRESULT put_TheaterMode(bool on) = 0;
  virtual HRESULT get_LocationURL(std::u16string& url) = 0;
  virtual HRESULT get_Application(std::shared_ptr<void>& disp) = 0;
  virtual void set_bounds(const RECT& client_rect) = 0;
  virtual void set_visible(bool visible) = 0;
  // Where the form's windowless controls lie above the browser, in the
  // coordinates of set_bounds. The control's window leaves these places to
  // the form, which paints those controls there.
  virtual void set_covered(std::span<const RECT> /*rects*/) {}
};

// The decoded splash picture and the bit depth the decoder produced.
struct DecodedBitmap {
  Image image;
  int bits_per_pixel = 0;
};

class Platform {
 public:
  virtual ~Platform() = default;

  // ---- windows -------------------------------------------------------
  virtual HWND create_window(const WindowParams& params, WindowSink* sink) = 0;
  virtual BOOL DestroyWindow(HWND hwnd) = 0;
  virtual BOOL ShowWindow(HWND hwnd, int cmd) = 0;
  virtual BOOL IsWindowVisible(HWND hwnd) = 0;
  virtual BOOL IsWindowEnabled(HWND hwnd) = 0;
  virtual BOOL EnableWindow(HWND hwnd, BOOL enable) = 0;
  virtual BOOL SetWindowPos(HWND hwnd, HWND insert_after, int x, int y, int cx, int cy, UINT flags) = 0;
  virtual BOOL GetWindowRect(HWND hwnd, RECT* rect) = 0;
  virtual BOOL GetClientRect(HWND hwnd, RECT* rect) = 0;
  virtual LONG GetWindowLongA(HWND hwnd, int index) = 0;
  virtual LONG SetWindowLongA(HWND hwnd, int index, LONG value) = 0;
  virtual BOOL SetLayeredWindowAttributes(HWND hwnd, COLORREF key, std::uint8_t alpha, DWORD flags) = 0;
  virtual BOOL GetLayeredWindowAttributes(HWND hwnd, COLORREF* key, std::uint8_t* alpha, DWORD* flags) = 0;
  // The source is a premultiplied 32-bit picture standing for the
  // bitmap selected into the source device context.
  virtual BOOL UpdateLayeredWindow(HWND hwnd, const POINT* dst, const SIZE* size, const Image& src,
                                   const POINT* src_pt, COLORREF key, const BLENDFUNCTION* blend,
                                   DWORD flags) = 0;
  virtual BOOL SetWindowTextA(HWND hwnd, const char* text) = 0;
  virtual int GetWindowTextA(HWND hwnd, char* buffer, int max_count) = 0;
  virtual HWND FindWindowA(const char* class_name, const char* window_name) = 0;
  virtual HWND GetForegroundWindow() = 0;
  virtual BOOL SetForegroundWindow(HWND hwnd) = 0;
  virtual HWND GetDesktopWindow() = 0;
  virtual HWND GetWindow(HWND hwnd, UINT cmd) = 0;
  virtual void SwitchToThisWindow(HWND hwnd, BOOL alt_tab) = 0;
  virtual HWND SetCapture(HWND hwnd) = 0;
  virtual BOOL ReleaseCapture() = 0;
  virtual HWND GetCapture() = 0;
  // Adds `rect` (client coordinates), or the whole client area when it is
  // null, to the window's update region; the background is not erased.
  virtual BOOL InvalidateRect(HWND hwnd, const RECT* rect) = 0;
  virtual BOOL AdjustWindowRectEx(RECT* rect, DWORD style, BOOL menu, DWORD ex_style) = 0;

  // ---- input and screen ----------------------------------------------
  virtual BOOL GetCursorPos(POINT* point) = 0;
  virtual std::int16_t GetAsyncKeyState(int vkey) = 0;
  virtual int GetSystemMetrics(int index) = 0;
  virtual BOOL SystemParametersInfoA(UINT action, UINT param, void* pv, UINT win_ini) = 0;
  // The system's dpi, at which windows are made before they know their
  // monitor: GetDeviceCaps(screen, LOGPIXELSX).
  virtual int screen_dpi() = 0;
  // The monitor holding the point; with MONITOR_DEFAULTTONULL, 0 off every monitor.
  virtual HMONITOR MonitorFromPoint(POINT point, DWORD flags) = 0;
  virtual BOOL GetMonitorInfoA(HMONITOR monitor, MONITORINFO* info) = 0;
  // The dpi of the monitor the window is on; 0 for an unknown window.
  virtual UINT GetDpiForWindow(HWND hwnd) = 0;
  virtual HCURSOR LoadCursorA(HMODULE module, int id) = 0;
  virtual BOOL DestroyCursor(HCURSOR cursor) = 0;
  // The toolkit's own hand-point cursor, before the program replaces it.
  virtual HCURSOR create_toolkit_hand_cursor() = 0;
  virtual SIZE measure_text(const Font& font, std::string_view line) = 0;

  // ---- messages and timers -------------------------------------------
  virtual std::uintptr_t SetTimer(HWND hwnd, std::uintptr_t id, UINT elapse_ms) = 0;
  virtual BOOL KillTimer(HWND hwnd, std::uintptr_t id) = 0;
  // msg is the program's own message number, 0 to 0x3FFF, handed back to
  // the window's on_posted; Windows sees it as WM_APP + msg.
  virtual BOOL PostMessageA(HWND hwnd, UINT msg, std::uintptr_t param) = 0;
  virtual void PostQuitMessage(int exit_code) = 0;
  // Waits for and dispatches one message; false once WM_QUIT arrives.
  virtual bool pump_one() = 0;
  // Dispatches every pending message without waiting; false if WM_QUIT was among them.
  virtual bool pump_pending() = 0;
  virtual int MessageBoxA(HWND owner, const char* text, const char* caption, UINT type) = 0;
  // Shows a popup menu at a screen point; the chosen index, or nothing.
  virtual std::optional<std::size_t> TrackPopupMenu(HWND owner, const std::vector<MenuItemSpec>& items,
                                                    int x, int y) = 0;

  // ---- base services -------------------------------------------------
  virtual DWORD GetTempPathA(DWORD size, char* buffer) = 0;
  virtual BOOL CopyFileA(const char* from, const char* to, BOOL fail_if_exists) = 0;
  virtual UINT WinExec(const char* command_line, UINT show) = 0;
  virtual void Sleep(DWORD ms) = 0;
  virtual DWORD GetTickCount() = 0;
  virtual void GetLocalTime(SYSTEMTIME* time) = 0;
  // Run-time libraries are loaded by full path (see system_folder.h).
  virtual HMODULE LoadLibraryA(const char* name) = 0;
  virtual UINT GetSystemDirectoryA(char* buffer, UINT size) = 0;
  virtual FARPROC GetProcAddress(HMODULE module, const char* name) = 0;
  virtual BOOL FreeLibrary(HMODULE module) = 0;
  virtual DWORD GetModuleFileNameA(HMODULE module, char* buffer, DWORD size) = 0;
  virtual DWORD GetFileAttributesA(const char* path) = 0;
  virtual BOOL CreateDirectoryA(const char* path) = 0;
  virtual DWORD GetLastError() = 0;
  // The system's text for an error code, trailing blanks and full stops removed.
  virtual std::string system_error_text(DWORD code) = 0;
  virtual std::string hresult_text(HRESULT hr) = 0;
  // Reads a whole file; on failure sets the last error and returns nothing.
  virtual std::optional<std::vector<std::uint8_t>> read_file(const char* path) = 0;
  virtual DWORD os_major_version() = 0;
  virtual BOOL GetUserNameA(char* buffer, DWORD* size) = 0;
  virtual std::string long_day_name(int day_of_week) = 0;     // 0 = Sunday, user's locale
  virtual std::string short_month_name(int month) = 0;        // 1..12, user's locale
  virtual std::u16string ansi_to_utf16(std::string_view text) = 0;
  virtual std::string utf16_to_ansi(std::u16string_view text) = 0;

  // ---- registry (read only) ------------------------------------------
  virtual LONG RegOpenKeyExA(RegistryRoot root, const char* subkey, std::uintptr_t* key) = 0;
  virtual LONG RegQueryStringA(std::uintptr_t key, const char* value, std::string* out) = 0;
  virtual LONG RegCloseKey(std::uintptr_t key) = 0;

  // ---- resources, COM, GDI+, browser ---------------------------------
  virtual std::optional<std::vector<std::uint8_t>> load_resource(std::string_view name) = 0;
  // OLE, not only COM, on the user-interface thread: the hosted browser's
  // in-place activation, clipboard and drag and drop need it. One
  // single-threaded apartment, as CoInitialize would make.
  virtual HRESULT OleInitialize() = 0;
  virtual void OleUninitialize() = 0;
  virtual std::uintptr_t GdiplusStartup() = 0;
  virtual void GdiplusShutdown(std::uintptr_t token) = 0;
  // Decodes an RCDATA picture resource through the system's image codecs.
  virtual DecodedBitmap decode_picture_resource(std::string_view name) = 0;
  // The control, or the HRESULT of the step of its creation that failed.
  virtual std::expected<std::unique_ptr<BrowserHost>, HRESULT> create_browser(HWND parent,
                                                                              BrowserEvents* events) = 0;

  // Whether the desktop's visual styles apply to this program's windows.
  virtual bool visual_styles_active() { return true; }
};

inline constexpr DWORD INVALID_FILE_ATTRIBUTES = 0xFFFFFFFFu;
inline constexpr DWORD FILE_ATTRIBUTE_DIRECTORY = 0x10;
inline constexpr LONG ERROR_SUCCESS = 0;

// The platform the program runs on; set once by the entry or by a test.
Platform& os();
void set_os(Platform* platform);

}  // namespace plat
