// A foreign window: the helper exe's plain top-level window, with a class,
// title, place and styles a test chooses. It reports the input it gets
// ("event lbuttondown X Y", "event keydown VK", "event char CODE") and its
// close, so a test can see that a click went through to it.
#pragma once

#include <chrono>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "driver/geometry.h"
#include "driver/wine_process.h"

namespace e2e {

struct WindowSpec {
  std::string class_name = "SlatebarHelper";
  std::string title = "Slatebar helper";
  Rect rect{100, 100, 300, 200};
  Rgb color{0x20, 0x60, 0xC0};  // the client area's fill
  bool popup = false;           // no frame: the client area is the rect
  bool owned = false;           // owned by a hidden window of the helper
  bool tool_window = false;
  bool app_window = false;
  bool topmost = false;
  bool hidden = false;          // created, never shown
  std::optional<int> layered_alpha;  // -1: layered style, no attributes

  // Built by chaining: WindowSpec::of("SlatebarCLS", "Bar").at({0, 0, 48, 768}).frameless()
  static WindowSpec of(std::string class_name, std::string title);
  WindowSpec at(Rect r) const { return with([&](WindowSpec& s) { s.rect = r; }); }
  WindowSpec filled(Rgb c) const { return with([&](WindowSpec& s) { s.color = c; }); }
  WindowSpec frameless() const { return with([](WindowSpec& s) { s.popup = true; }); }
  WindowSpec owned_window() const { return with([](WindowSpec& s) { s.owned = true; }); }
  WindowSpec tool() const { return with([](WindowSpec& s) { s.tool_window = true; }); }
  WindowSpec app_window_style() const { return with([](WindowSpec& s) { s.app_window = true; }); }
  WindowSpec on_top() const { return with([](WindowSpec& s) { s.topmost = true; }); }
  WindowSpec unshown() const { return with([](WindowSpec& s) { s.hidden = true; }); }
  WindowSpec layered(int alpha) const { return with([&](WindowSpec& s) { s.layered_alpha = alpha; }); }

  std::vector<std::string> arguments() const;

 private:
  template <typename Change>
  WindowSpec with(Change change) const {
    WindowSpec copy = *this;
    change(copy);
    return copy;
  }
};

struct HelperEvent {
  std::string kind;  // lbuttondown, lbuttonup, rbuttondown, rbuttonup, keydown, char, closed
  std::vector<int> values;
};

class HelperWindow {
 public:
  HelperWindow(WineProcess& process, std::uint64_t hwnd, std::uint64_t xid)
      : process_(&process), hwnd_(hwnd), xid_(xid) {}

  WineProcess& process() const { return *process_; }
  std::uint64_t hwnd() const { return hwnd_; }
  std::uint64_t xid() const { return xid_; }

  std::vector<HelperEvent> events() const;
  std::size_t count(std::string_view kind) const;
  // The event of this kind after the first `seen` ones, once it has come.
  std::optional<HelperEvent> wait_event(std::string_view kind, std::chrono::milliseconds timeout,
                                        std::size_t seen = 0) const;

 private:
  WineProcess* process_;
  std::uint64_t hwnd_;
  std::uint64_t xid_;
};

}  // namespace e2e
