// Top-level windows as the X server sees them. Measured with Wine 8 and the
// X11 driver's Managed=N (no window manager):
// - every top-level Wine window is an override-redirect child of the root,
//   also hidden ones (unmapped), each process's 1 x 1 "Default IME" window
//   and explorer.exe's helper windows (unmapped);
// - WM_NAME and _NET_WM_NAME carry the Windows title;
// - WM_CLASS is the exe's file name twice ("slatebar.exe", "slatebar.exe"),
//   never the Windows class: find windows by class on the Windows side;
// - _NET_WM_PID is the Unix id of the Wine process the harness started;
// - a layered window is mapped only once it has attributes or contents,
//   and _NET_WM_WINDOW_OPACITY carries its alpha (alpha * 0x01010101);
// - a window sized 0 x 0 is a mapped 1 x 1 X window;
// - an owned window has WM_TRANSIENT_FOR set to its owner's X window.
#pragma once

#include <cstdint>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "driver/geometry.h"
#include "driver/x_connection.h"

namespace e2e {

struct XWindowInfo {
  XWindow id = 0;
  std::string title;       // _NET_WM_NAME, else WM_NAME
  std::string class_name;  // WM_CLASS res_class (Wine: the exe's file name)
  Rect rect;               // screen coordinates of the outer window
  bool mapped = false;     // viewable: mapped, and so are its ancestors
  bool override_redirect = false;
  long pid = 0;            // _NET_WM_PID, 0 when absent
  XWindow transient_for = 0;
  std::optional<std::uint32_t> opacity;  // _NET_WM_WINDOW_OPACITY

  // Alpha 0..255 from the opacity property; 255 when there is none.
  int alpha() const { return opacity ? static_cast<int>(*opacity >> 24) : 255; }
};
std::ostream& operator<<(std::ostream& out, const XWindowInfo& w);

// Children of the root, topmost first (the reverse of XQueryTree's order).
std::vector<XWindowInfo> x_top_level_windows(const XConnection& x);

std::optional<XWindowInfo> x_window_info(const XConnection& x, XWindow id);

// The first mapped top-level window with this exact title.
std::optional<XWindowInfo> find_x_window(const std::vector<XWindowInfo>& windows, std::string_view title);

// One line per window, for failure records.
std::string describe(const std::vector<XWindowInfo>& windows);

}  // namespace e2e
