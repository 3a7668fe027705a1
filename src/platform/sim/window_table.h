// The windows of the simulated desktop, ours and other processes', keyed
// by handle. Visibility and the enabled state live in the style bits, as
// GetWindowLongA(GWL_STYLE) reports them on Windows.
#pragma once

#include <algorithm>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/sim/recording_canvas.h"
#include "platform/sim/types.h"

namespace sim {

// One UpdateLayeredWindow call.
struct LayeredUpdate {
  std::optional<POINT> dst;
  std::optional<SIZE> size;
  SIZE source_size{};
  std::uint8_t alpha = 255;  // BLENDFUNCTION::SourceConstantAlpha
  std::uint8_t alpha_format = 0;
  COLORREF key = 0;
  DWORD flags = 0;
  std::shared_ptr<const plat::Image> image;  // when the desktop keeps copies
};

struct Window {
  HWND hwnd = 0;
  std::string name;  // for logs: the form's name, or class/title of a foreign window
  std::string class_name;
  std::string title;
  DWORD style = 0;
  DWORD ex_style = 0;
  RECT bounds{};  // top-level: screen; child: the parent's client coordinates
  HWND owner = 0;
  HWND parent = 0;
  DWORD process = kOurProcess;
  plat::WindowSink* sink = nullptr;
  int dpi = 0;  // the monitor's dpi where it differs from the desktop's; 0 follows the desktop
  std::vector<HWND> children;  // top of the sibling order first

  // Layered state; SetLayeredWindowAttributes and UpdateLayeredWindow
  // exclude each other until the layered style is cleared and set again.
  bool layered_attributes_set = false;
  COLORREF layered_key = 0;
  std::uint8_t layered_alpha = 255;
  DWORD layered_flags = 0;
  std::vector<LayeredUpdate> layered_updates;

  bool dirty = false;
  // While dirty: the update region's bounding box in client coordinates,
  // or nothing when the whole client area is to be painted.
  std::optional<RECT> dirty_part;
  int paint_count = 0;
  std::uint64_t painted_in_pump = 0;
  Recording last_paint;
  // The rectangle that the last paint covered: the size of the buffer that
  // the Windows backend paints into (the update region's bounding box).
  RECT last_paint_rect{};

  // Adds `part` (client coordinates), or the whole client area, to the
  // update region.
  void mark_dirty(const RECT* part = nullptr) {
    if (!part) {
      dirty_part.reset();
    } else if (!dirty) {
      dirty_part = *part;
    } else if (dirty_part) {
      dirty_part = RECT{std::min(dirty_part->left, part->left), std::min(dirty_part->top, part->top),
                        std::max(dirty_part->right, part->right), std::max(dirty_part->bottom, part->bottom)};
    }
    dirty = true;
  }

  bool visible() const { return (style & plat::WS_VISIBLE) != 0; }
  bool enabled() const { return (style & plat::WS_DISABLED) == 0; }
  bool topmost() const { return (ex_style & plat::WS_EX_TOPMOST) != 0; }
  bool ours() const { return process == kOurProcess; }
  bool top_level() const { return parent == 0; }
  // WS_EX_LAYERED with WS_EX_TRANSPARENT lets the mouse through.
  bool click_through() const {
    constexpr DWORD both = plat::WS_EX_LAYERED | plat::WS_EX_TRANSPARENT;
    return (ex_style & both) == both;
  }
};

class WindowTable {
 public:
  static constexpr HWND kFirstHandle = 0x00020010;

  // Gives the window its handle and keeps it.
  Window& add(Window window);
  void erase(HWND hwnd) { windows_.erase(hwnd); }
  Window* find(HWND hwnd);
  const Window* find(HWND hwnd) const;
  HWND find_by_name(std::string_view name) const;

  // Handles are handed out in rising steps; a test can move the next one
  // (for instance past 2^31) to check that handles survive round trips.
  void set_next_handle(HWND hwnd) { next_ = hwnd; }

  const std::map<HWND, std::unique_ptr<Window>>& all() const { return windows_; }

 private:
  std::map<HWND, std::unique_ptr<Window>> windows_;
  HWND next_ = kFirstHandle;
};

}  // namespace sim
