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
