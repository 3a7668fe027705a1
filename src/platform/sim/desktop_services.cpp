// Modules, COM and GDI+ start-up, cursors, screen metrics, text services,
// resources and the browser control.
#include "platform/sim/desktop.h"
#include "platform/sim/text.h"
#include "image/decode.h"

namespace sim {

HMODULE Desktop::LoadLibraryA(const char* name) {
  const std::string n = name ? name : "";
  const auto module = modules_.load(n);
  if (!module) {
    fail(module.error());
    return 0;
  }
  return *module;
}

plat::FARPROC Desktop::GetProcAddress(HMODULE module, const char* name) {
  const std::string n = name ? name : "";
  const auto proc = modules_.lookup(module, n);
  if (!proc) {
    fail(proc.error());
    return nullptr;
  }
  return *proc;
}

BOOL Desktop::FreeLibrary(HMODULE module) {
  const DWORD error = modules_.free(module);
  if (error) {
    fail(error);
    return FALSE;
  }
  return TRUE;
}

HRESULT Desktop::OleInitialize() {
  return com_depth_++ == 0 ? plat::S_OK : plat::S_FALSE;
}

void Desktop::OleUninitialize() {
  if (com_depth_ > 0) --com_depth_;
}

std::uintptr_t Desktop::GdiplusStartup() {
  const std::uintptr_t token = next_gdiplus_token_++;
  gdiplus_tokens_.insert(token);
  return token;
}

void Desktop::GdiplusShutdown(std::uintptr_t token) {
  gdiplus_tokens_.erase(token);
}

// System cursors are shared: one handle per id however often loaded, and
// DestroyCursor leaves them alone. The toolkit's own cursor is new each time.
HCURSOR Desktop::LoadCursorA(HMODULE module, int id) {
  if (module != 0) {
    fail(ERROR_INVALID_HANDLE);  // the program has no cursor resources
    return 0;
  }
  const HCURSOR cursor = system_cursor(id);
  return cursor;
}

HCURSOR Desktop::system_cursor(int id) {
  const std::string name = id == plat::IDC_ARROW ? "IDC_ARROW"
                           : id == plat::IDC_HAND ? "IDC_HAND"
                                                  : "cursor " + std::to_string(id);
  for (const auto& [handle, n] : cursors_) {
    if (n == name) return handle;
  }
  const HCURSOR handle = next_cursor_ += 2;
  cursors_[handle] = name;
  return handle;
}

BOOL Desktop::DestroyCursor(HCURSOR cursor) {
  auto it = cursors_.find(cursor);
  if (it == cursors_.end()) {
    fail(ERROR_INVALID_HANDLE);
    return FALSE;
  }
  if (it->second.starts_with("toolkit")) cursors_.erase(it);
  return TRUE;
}

HCURSOR Desktop::create_toolkit_hand_cursor() {
  const HCURSOR handle = next_cursor_ += 2;
  cursors_[handle] = "toolkit hand " + std::to_string(handle);
  return handle;
}

std::string Desktop::cursor_name(HCURSOR cursor) const {
  if (cursor == 0) return "none";
  auto it = cursors_.find(cursor);
  return it == cursors_.end() ? hex32(static_cast<std::uint32_t>(cursor)) : it->second;
}

// Deterministic text metrics: every character is ceil(|height| / 2) wide,
// a line is |height| plus a fifth of it high (Tahoma -11 gives 13, the
// designs' text height at 96 pixels per inch).
SIZE Desktop::measure_text(const plat::Font& font, std::string_view line) {
  const int h = font.height < 0 ? -font.height : font.height;
  return {static_cast<LONG>(line.size()) * ((h + 1) / 2), h + h / 5};
}

int Desktop::GetSystemMetrics(int index) {
  const RECT desk = virtual_screen(monitors_);
  switch (index) {
    case plat::SM_SWAPBUTTON:
      return swap_buttons_ ? 1 : 0;
    case plat::SM_XVIRTUALSCREEN:
      return desk.left;
    case plat::SM_YVIRTUALSCREEN:
      return desk.top;
    case plat::SM_CXVIRTUALSCREEN:
      return desk.right - desk.left;
    case plat::SM_CYVIRTUALSCREEN:
      return desk.bottom - desk.top;
    case plat::SM_CMONITORS:
      return static_cast<int>(monitors_.size());
    default:
      return system_metric(metrics_, index, screen_width_, screen_height_);
  }
}

plat::HMONITOR Desktop::MonitorFromPoint(POINT point, DWORD flags) {
  return monitor_from_point(monitors_, point, flags);
}

BOOL Desktop::GetMonitorInfoA(plat::HMONITOR monitor, plat::MONITORINFO* info) {
  const Monitor* m = monitor_of(monitors_, monitor);
  if (!m || !info) {
    fail(ERROR_INVALID_PARAMETER);
    return FALSE;
  }
  info->rcMonitor = m->rect;
  info->rcWork = m->work.value_or(m->rect);
  info->dwFlags = m == &monitors_.front() ? plat::MONITORINFOF_PRIMARY : 0;
  return TRUE;
}

BOOL Desktop::SystemParametersInfoA(UINT action, UINT, void* pv, UINT) {
  if (action != plat::SPI_GETWORKAREA || !pv) {
    fail(ERROR_INVALID_PARAMETER);
    return FALSE;
  }
  // The primary's, whatever other monitors there are.
  *static_cast<RECT*>(pv) = monitors_.front().work.value_or(monitors_.front().rect);
  return TRUE;
}

std::string Desktop::system_error_text(DWORD code) { return error_text(code); }

std::string Desktop::hresult_text(HRESULT hr) { return error_text(static_cast<std::uint32_t>(hr)); }

std::string Desktop::long_day_name(int day_of_week) { return std::string(english_day_name(day_of_week)); }

std::string Desktop::short_month_name(int month) { return std::string(english_short_month(month)); }

std::u16string Desktop::ansi_to_utf16(std::string_view text) {
  return utf8_code_page_ ? utf8_to_utf16(text) : cp1252_to_utf16(text);
}

std::string Desktop::utf16_to_ansi(std::u16string_view text) {
  return utf8_code_page_ ? utf16_to_utf8(text) : utf16_to_cp1252(text);
}

std::optional<std::vector<std::uint8_t>> Desktop::load_resource(std::string_view name) {
  return resources_.load(name);
}

// Our own decoders stand in for the system's codecs; the bit depth they
// report is 32 unless a test says otherwise.
plat::DecodedBitmap Desktop::decode_picture_resource(std::string_view name) {
  const auto bytes = load_resource(name);
  if (!bytes) return {};
  auto image = image::decode_picture(*bytes);
  if (!image) return {};
  return {std::move(*image), decoded_bits_.value_or(32)};
}

std::expected<std::unique_ptr<plat::BrowserHost>, HRESULT> Desktop::create_browser(HWND parent,
                                                                                   plat::BrowserEvents* events) {
  if (plat::FAILED(browser_failure_)) return std::unexpected(browser_failure_);
  return std::make_unique<FakeBrowser>(parent, name_of(parent), events, browsers_);
}

}  // namespace sim
