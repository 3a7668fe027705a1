// What the helper exe reports from the Windows side, parsed. The X side
// cannot tell a window's class, owner or extended styles, nor the texts
// inside a message box (Wine draws them into the box's one X window), so
// the harness asks the helper; a helper run costs about 75 ms while the
// prefix's server is up.
#pragma once

#include <cstdint>
#include <expected>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "driver/geometry.h"

namespace e2e {

// Extended and plain window style bits the tests look at.
namespace style {
inline constexpr std::uint32_t kVisible = 0x10000000;   // WS_VISIBLE
inline constexpr std::uint32_t kCaption = 0x00C00000;   // WS_CAPTION
inline constexpr std::uint32_t kPopup = 0x80000000;     // WS_POPUP
inline constexpr std::uint32_t kTopmost = 0x00000008;   // WS_EX_TOPMOST
inline constexpr std::uint32_t kToolWindow = 0x00000080;  // WS_EX_TOOLWINDOW
inline constexpr std::uint32_t kAppWindow = 0x00040000;   // WS_EX_APPWINDOW
inline constexpr std::uint32_t kLayered = 0x00080000;     // WS_EX_LAYERED
inline constexpr std::uint32_t kTransparent = 0x00000020;  // WS_EX_TRANSPARENT
}  // namespace style

struct WinWindow {
  std::uint64_t hwnd = 0;
  unsigned pid = 0;        // the Windows process id (not the Unix one)
  std::uint64_t xid = 0;   // Wine's X window for it, 0 when it has none
  bool visible = false;    // IsWindowVisible
  Rect rect;               // GetWindowRect
  std::uint32_t style = 0;
  std::uint32_t ex_style = 0;
  std::uint64_t owner = 0;
  std::string class_name;
  std::string title;

  bool topmost() const { return (ex_style & style::kTopmost) != 0; }
  bool tool_window() const { return (ex_style & style::kToolWindow) != 0; }
  bool layered() const { return (ex_style & style::kLayered) != 0; }
};
std::ostream& operator<<(std::ostream& out, const WinWindow& w);

// Top-level windows in z-order, topmost first, and the foreground window.
struct WindowList {
  std::uint64_t foreground = 0;
  std::vector<WinWindow> windows;

  std::vector<WinWindow> of_class(std::string_view class_name) const;
  std::optional<WinWindow> first_of_class(std::string_view class_name) const;
  std::optional<WinWindow> visible_titled(std::string_view title) const;
  std::optional<WinWindow> by_hwnd(std::uint64_t hwnd) const;
  std::optional<WinWindow> foreground_window() const { return by_hwnd(foreground); }
  // The position in z-order (0 is the top), or nothing.
  std::optional<std::size_t> z_index(std::uint64_t hwnd) const;
};

struct DialogControl {
  std::uint64_t hwnd = 0;
  int id = 0;
  std::string class_name;
  Rect rect;
  bool visible = false;
  bool has_icon = false;  // a static control that holds an icon
  std::string text;
};

// A standard dialog, such as a message box (class "#32770").
struct Dialog {
  std::uint64_t hwnd = 0;
  Rect rect;
  std::string caption;
  std::vector<DialogControl> controls;
  Rgb face;  // the colour its empty parts are painted in (COLOR_BTNFACE)

  // The message: the static control a message box keeps its text in.
  std::string text() const;
  // Button labels with their '&' accelerator marks removed, in order.
  std::vector<std::string> buttons() const;
  std::optional<DialogControl> button(std::string_view label) const;
  // An icon is shown (the stop, warning, question or information icon).
  bool has_icon() const;
};
std::ostream& operator<<(std::ostream& out, const Dialog& d);

// A process's counters as Windows keeps them. Under Wine 8 (measured) the
// object counts and the private bytes are 0; see UnixMemory for memory.
struct Resources {
  unsigned long gdi_objects = 0;   // GetGuiResources(GR_GDIOBJECTS)
  unsigned long user_objects = 0;  // GetGuiResources(GR_USEROBJECTS)
  unsigned long long private_bytes = 0;
  unsigned long long working_set = 0;
  unsigned long page_faults = 0;
};

// What the program counts itself: the GDI objects and the windows it
// holds, as their owners take and give them up. Unlike Resources, these
// count under Wine too; a program that does not keep them reports 0.
struct LiveObjects {
  long gdi_objects = 0;
  long windows = 0;
};

// Parsers of the helper's lines; errors name the line that did not parse.
std::expected<WindowList, std::string> parse_window_list(std::string_view output);
std::expected<std::vector<Dialog>, std::string> parse_dialogs(std::string_view output);
std::expected<Resources, std::string> parse_resources(std::string_view output);
std::expected<LiveObjects, std::string> parse_live_objects(std::string_view output);

// Reverses the helper's escaping of line breaks, tabs and backslashes.
std::string unescape(std::string_view field);
std::vector<std::string_view> split_tabs(std::string_view line);
std::vector<std::string_view> split_lines(std::string_view text);

}  // namespace e2e
