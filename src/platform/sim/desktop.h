// The simulated desktop: a deterministic, single-threaded plat::Platform
// on which host tests run every form. Time moves only when a test
// advances it or the program sleeps; everything the program does is
// recorded, and every fault a test needs can be injected.
// docs/simulated-desktop.md says what is modelled and what is not.
#pragma once

#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/platform.h"
#include "platform/sim/activation.h"
#include "platform/sim/base_services.h"
#include "platform/sim/capture.h"
#include "platform/sim/clock.h"
#include "platform/sim/dialogs.h"
#include "platform/sim/event_log.h"
#include "platform/sim/fake_browser.h"
#include "platform/sim/file_system.h"
#include "platform/sim/frame_metrics.h"
#include "platform/sim/input.h"
#include "platform/sim/message_hook.h"
#include "platform/sim/message_queue.h"
#include "platform/sim/modules.h"
#include "platform/sim/monitors.h"
#include "platform/sim/recorder.h"
#include "platform/sim/registry.h"
#include "platform/sim/resources.h"
#include "platform/sim/text.h"
#include "platform/sim/timers.h"
#include "platform/sim/types.h"
#include "platform/sim/window_manager.h"
#include "platform/sim/window_table.h"
#include "platform/sim/zorder.h"

namespace sim {

// A window of another process, for FindWindowA, z-order and switching tests.
struct ForeignWindow {
  std::string class_name{};
  std::string title{};
  DWORD style = plat::WS_OVERLAPPED | plat::WS_CAPTION | plat::WS_SYSMENU;
  DWORD ex_style = 0;
  HWND owner = 0;
  RECT bounds{100, 100, 500, 400};
  bool visible = true;
  DWORD process = kOtherProcess;
  std::string name{};  // for logs; empty: the title, or the class when untitled
};

struct SwitchRecord {
  HWND hwnd = 0;
  BOOL alt_tab = 0;
};

enum class Windows { All, Visible };

class Desktop final : public plat::Platform {
 public:
  // `resource_folder`: where slatebar.rc lives; empty: the source tree's.
  explicit Desktop(std::filesystem::path resource_folder = {});
  ~Desktop() override;
  Desktop(const Desktop&) = delete;
  Desktop& operator=(const Desktop&) = delete;

  // The newest desktop alive, for fakes registered as C functions (the
  // compositor's entries) that must reach it.
  static Desktop* current();
  // Makes this desktop, seen through its recorder, the platform of
  // plat::os() until it is destroyed.
  void install();
  // The desktop as the program sees it: every call made through it is
  // written to the log. Calls made on the Desktop itself are not.
  plat::Platform& recorded() { return recorder_; }

  // ---- time and the message loop ---------------------------------------
  Millis now() const { return clock_.now(); }
  // Runs the message loop up to now + ms, dispatching every event at its time.
  void advance(Millis ms);
  void at(Millis time, Action action);
  // pump_one, pump_pending and Sleep give up once the clock passes it, so
  // that a test's Application::run() always ends.
  void set_deadline(Millis time) { deadline_ = time; }
  bool deadline_reached() const { return deadline_reached_; }
  // pump_one found nothing that could ever happen (and no deadline).
  bool stalled() const { return stalled_; }
  void set_local_time(const SYSTEMTIME& at_now) { clock_.set_local_time(at_now); }
  void set_tick_base(DWORD base) { clock_.set_tick_base(base); }
  bool quit_posted() const { return queue_.quit_posted(); }
  std::optional<int> exit_code() const;
  bool timer_active(HWND hwnd, std::uintptr_t id) const { return timers_.active({hwnd, id}); }
  std::optional<UINT> timer_interval(HWND hwnd, std::uintptr_t id) const { return timers_.interval({hwnd, id}); }
  std::optional<Millis> timer_due(HWND hwnd, std::uintptr_t id) const { return timers_.due({hwnd, id}); }
  // WM_TIMER messages dispatched so far: each one wakes the thread.
  std::uint64_t timer_messages() const { return timer_messages_; }

  // ---- screen -------------------------------------------------------------
  // The primary monitor's size; other monitors stay where they are.
  void set_screen_size(int width, int height);
  // The primary's work area. Default: the whole monitor, following
  // set_screen_size until set.
  void set_work_area(const RECT& area) { monitors_.front().work = area; }
  // The whole desk, the primary first; it must stand at the origin.
  // Throws std::invalid_argument for a desk Windows cannot have.
  void set_monitors(std::vector<Monitor> monitors);
  // The desk changes while the program runs: set_monitors, then
  // WM_DISPLAYCHANGE, sent to every top-level window as Windows does.
  void change_display(std::vector<Monitor> monitors);
  const std::vector<Monitor>& monitors() const { return monitors_; }
  // The user's left-handed setting (SM_SWAPBUTTON): presses name the
  // physical button, GetAsyncKeyState reports physical buttons, and the
  // messages carry the logical one the physical button is mapped to.
  void set_swap_buttons(bool swapped) { swap_buttons_ = swapped; }
  // The desktop's dpi, as the user sets the scale: every window of ours
  // that follows it and is shown at another dpi now is sent WM_DPICHANGED.
  void set_dpi(int dpi);
  // One window moved to a monitor of another dpi (0: back to the
  // desktop's); it is sent WM_DPICHANGED when that changes its dpi.
  void set_window_dpi(HWND hwnd, int dpi);
  FrameMetrics& metrics() { return metrics_; }
  void set_visual_styles(bool on) { visual_styles_ = on; }

  // ---- windows ------------------------------------------------------------
  HWND add_foreign_window(const ForeignWindow& params);
  void close_foreign_window(HWND hwnd);
  void activate_foreign(HWND hwnd);
  bool window_exists(HWND hwnd) const { return windows_.find(hwnd) != nullptr; }
  // Throws std::out_of_range for an unknown handle.
  const Window& window(HWND hwnd) const;
  HWND find_by_name(std::string_view name) const { return windows_.find_by_name(name); }
  std::vector<HWND> z_order(Windows which = Windows::All) const;
  std::vector<std::string> z_order_names(Windows which = Windows::All) const;
  std::string name_of(HWND hwnd) const;
  // Whether SetWindowPos can move `hwnd` to the place `after` names.
  bool can_insert_after(HWND hwnd, HWND after, UINT flags) const { return wm_.can_insert_after(hwnd, after, flags); }
  void set_next_window_handle(HWND hwnd) { windows_.set_next_handle(hwnd); }
  const std::vector<SwitchRecord>& switches() const { return switches_; }

  // ---- input: immediate, or at a time -------------------------------------
  // The pointer stays on the screen, as the real cursor does.
  void move_pointer(int x, int y) { apply_input(PointerMove{x, y}); }
  void press(MouseButton b = MouseButton::Left) { apply_input(ButtonPress{b}); }
  void release(MouseButton b = MouseButton::Left) { apply_input(ButtonRelease{b}); }
  void key_char(char ch, HWND target = 0) { apply_input(KeyChar{ch, target}); }
  void key_down(int vk, HWND target = 0) { apply_input(KeyDown{vk, target}); }
  void schedule(Millis time, const Input& input) { script_.add(time, input); }
  void schedule_move(Millis time, int x, int y) { schedule(time, PointerMove{x, y}); }
  void schedule_press(Millis time, MouseButton b = MouseButton::Left) { schedule(time, ButtonPress{b}); }
  void schedule_release(Millis time, MouseButton b = MouseButton::Left) { schedule(time, ButtonRelease{b}); }
  // ssShift, ssCtrl, ssAlt held down from now on (0 releases them).
  void hold_keys(unsigned shift_bits) { held_keys_ = shift_bits & (plat::ssShift | plat::ssAlt | plat::ssCtrl); }
  POINT pointer() const { return pointer_; }
  void refuse_cursor_reads(bool refuse) { refuse_cursor_reads_ = refuse; }
  // The window a press at a screen point reaches (capture aside), or 0.
  HWND window_at(int x, int y);
  HCURSOR cursor_at(int x, int y);
  int nc_hit_test(int x, int y);
  int nc_hit_test(HWND hwnd, int x, int y) { return wm_.nc_hit_test(hwnd, x, y); }

  // ---- painting -------------------------------------------------------------
  const Recording& paint_now(HWND hwnd);
  int paint_count(HWND hwnd) const { return window(hwnd).paint_count; }
  const Recording& last_paint(HWND hwnd) const { return window(hwnd).last_paint; }
  // Keep copies of drawn and layered pictures (off: sizes and pointers only).
  void keep_image_copies(bool on) { copy_images_ = on; }

  // ---- components -----------------------------------------------------------
  Dialogs& dialogs() { return dialogs_; }
  void answer_boxes(std::initializer_list<int> answers) { dialogs_.answer_boxes(answers); }
  FileSystem& files() { return files_; }
  Registry& registry() { return registry_; }
  Modules& modules() { return modules_; }
  void add_module(std::string_view name, ModuleEntries entries) { modules_.add(name, std::move(entries)); }
  // WM_DWMCOMPOSITIONCHANGED, sent to every top-level window of ours.
  void composition_changed();
  Resources& resources() { return resources_; }
  EventLog& log() { return log_; }
  const std::vector<std::string>& events() const { return log_.entries(); }

  // The exe's path, the user, the folders, the code page, WinExec, COM,
  // GDI+ and cursors.
  BaseServices& services() { return services_; }
  const BaseServices& services() const { return services_; }
  // create_browser fails with `hr` from now on; S_OK makes it work again.
  void fail_browser_creation(HRESULT hr) { browser_failure_ = hr; }
  void set_decoded_bits_per_pixel(std::optional<int> bits) { decoded_bits_ = bits; }
  std::vector<FakeBrowser*> browsers() const { return browsers_->live; }
  DWORD last_error() const { return last_error_; }

  // ---- plat::Platform -----------------------------------------------------------
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
  HWND GetForegroundWindow() override { return activation_.foreground(); }
  BOOL SetForegroundWindow(HWND hwnd) override;
  HWND GetDesktopWindow() override { return kDesktopWindow; }
  HWND GetWindow(HWND hwnd, UINT cmd) override;
  void SwitchToThisWindow(HWND hwnd, BOOL alt_tab) override;
  HWND SetCapture(HWND hwnd) override;
  BOOL ReleaseCapture() override;
  HWND GetCapture() override { return capture_.holder(); }
  BOOL InvalidateRect(HWND hwnd, const RECT* rect) override;
  BOOL AdjustWindowRectEx(RECT* rect, DWORD style, BOOL menu, DWORD ex_style) override;

  BOOL GetCursorPos(POINT* point) override;
  std::int16_t GetAsyncKeyState(int vkey) override;
  int GetSystemMetrics(int index) override;
  BOOL SystemParametersInfoA(UINT action, UINT param, void* pv, UINT win_ini) override;
  int screen_dpi() override { return dpi_; }
  plat::HMONITOR MonitorFromPoint(POINT point, DWORD flags) override;
  BOOL GetMonitorInfoA(plat::HMONITOR monitor, plat::MONITORINFO* info) override;
  UINT GetDpiForWindow(HWND hwnd) override;
  HCURSOR LoadCursorA(HMODULE module, int id) override { return services_.LoadCursorA(module, id); }
  BOOL DestroyCursor(HCURSOR cursor) override { return services_.DestroyCursor(cursor); }
  HCURSOR create_toolkit_hand_cursor() override { return services_.create_toolkit_hand_cursor(); }
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

  DWORD GetTempPathA(DWORD size, char* buffer) override { return services_.GetTempPathA(size, buffer); }
  BOOL CopyFileA(const char* from, const char* to, BOOL fail_if_exists) override;
  UINT WinExec(const char* command_line, UINT show) override { return services_.WinExec(command_line, show); }
  void Sleep(DWORD ms) override;
  DWORD GetTickCount() override { return clock_.tick_count(); }
  void GetLocalTime(SYSTEMTIME* time) override;
  HMODULE LoadLibraryA(const char* name) override;
  UINT GetSystemDirectoryA(char* buffer, UINT size) override { return services_.GetSystemDirectoryA(buffer, size); }
  plat::FARPROC GetProcAddress(HMODULE module, const char* name) override;
  BOOL FreeLibrary(HMODULE module) override;
  DWORD GetModuleFileNameA(HMODULE module, char* buffer, DWORD size) override {
    return services_.GetModuleFileNameA(module, buffer, size);
  }
  DWORD GetFileAttributesA(const char* path) override;
  BOOL CreateDirectoryA(const char* path) override;
  DWORD GetLastError() override { return last_error_; }
  std::string system_error_text(DWORD code) override;
  std::string hresult_text(HRESULT hr) override;
  std::optional<std::vector<std::uint8_t>> read_file(const char* path) override;
  DWORD os_major_version() override { return services_.os_major_version(); }
  BOOL GetUserNameA(char* buffer, DWORD* size) override { return services_.GetUserNameA(buffer, size); }
  std::string long_day_name(int day_of_week) override;
  std::string short_month_name(int month) override;
  std::u16string ansi_to_utf16(std::string_view text) override { return services_.ansi_to_utf16(text); }
  std::string utf16_to_ansi(std::u16string_view text) override { return services_.utf16_to_ansi(text); }

  LONG RegOpenKeyExA(plat::RegistryRoot root, const char* subkey, std::uintptr_t* key) override;
  LONG RegQueryStringA(std::uintptr_t key, const char* value, std::string* out) override;
  LONG RegCloseKey(std::uintptr_t key) override;

  std::optional<std::vector<std::uint8_t>> load_resource(std::string_view name) override;
  HRESULT OleInitialize() override { return services_.OleInitialize(); }
  void OleUninitialize() override { services_.OleUninitialize(); }
  std::uintptr_t GdiplusStartup() override { return services_.GdiplusStartup(); }
  void GdiplusShutdown(std::uintptr_t token) override { services_.GdiplusShutdown(token); }
  plat::DecodedBitmap decode_picture_resource(std::string_view name) override;
  std::expected<std::unique_ptr<plat::BrowserHost>, HRESULT> create_browser(HWND parent,
                                                                            plat::BrowserEvents* events) override;
  bool visual_styles_active() override { return visual_styles_; }

  static constexpr HWND kDesktopWindow = 0x00010010;

 private:
  enum class Step { Dispatched, Quit, Idle };

  // loop (desktop_loop.cpp)
  Step step(std::uint64_t pump);
  // Dispatches until idle; a modal loop leaves a quit for the outer loop.
  Step drain(bool modal);
  void run_modal(Millis ms);
  std::optional<Millis> next_event_time() const;
  void apply_due_script();
  void paint(HWND hwnd);
  HWND next_dirty(std::uint64_t pump) const;
  void passed_deadline_check();

  // input (desktop_input.cpp)
  void apply_input(const Input& input);
  void deliver(const InputMessage& message);
  void deliver_mouse(const MouseMessage& m);
  void deliver_key(const KeyMessage& m);
  unsigned shift_state() const { return held_keys_ | logical_bits(buttons_); }
  MouseButton logical(MouseButton physical) const;
  unsigned logical_bits(unsigned physical) const;

  Window* find(HWND hwnd) { return windows_.find(hwnd); }
  const Window* find(HWND hwnd) const { return windows_.find(hwnd); }
  Window* find_or_fail(HWND hwnd);
  int dpi_of(const Window& w) const { return w.dpi ? w.dpi : dpi_; }
  void send_dpi_changed(HWND hwnd, int from);
  void fail(DWORD error) { last_error_ = error; }

  VirtualClock clock_;
  TimerTable timers_;
  Script script_;
  InputQueue input_;
  MessageQueue queue_;
  bool quit_seen_ = false;
  std::optional<Millis> deadline_;
  bool deadline_reached_ = false;
  bool stalled_ = false;
  std::uint64_t pump_counter_ = 0;
  std::uint64_t timer_messages_ = 0;

  WindowTable windows_;
  ZOrder z_;
  std::vector<SwitchRecord> switches_;

  POINT pointer_{};
  unsigned buttons_ = 0;
  unsigned pressed_since_query_ = 0;  // GetAsyncKeyState's low bit, per button
  unsigned held_keys_ = 0;
  bool refuse_cursor_reads_ = false;

  int screen_width_ = 1024;
  int screen_height_ = 768;
  std::vector<Monitor> monitors_{Monitor{{0, 0, 1024, 768}}};
  bool swap_buttons_ = false;
  int dpi_ = 96;
  bool visual_styles_ = true;
  FrameMetrics metrics_;

  Dialogs dialogs_;
  FileSystem files_;
  Registry registry_;
  Modules modules_;
  Resources resources_;
  EventLog log_;
  Recorder recorder_{*this, log_};
  MessageHook* hook_ = &recorder_;
  Activation activation_{windows_, z_, *hook_};
  Capture capture_{windows_, *hook_};
  WindowManager wm_{windows_, z_, activation_, capture_, timers_, *hook_, metrics_};
  DWORD last_error_ = 0;
  BaseServices services_{files_, modules_, last_error_};

  HRESULT browser_failure_ = plat::S_OK;
  std::optional<int> decoded_bits_;
  std::shared_ptr<BrowserRegistry> browsers_;
  Recording scratch_paint_;
  bool copy_images_ = false;
  bool installed_ = false;
  Desktop* previous_current_ = nullptr;
};

}  // namespace sim
