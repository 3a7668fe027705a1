// A row's own windows: made through the seam with a name each, watched by
// a sink that writes what they receive into one list, and destroyed when
// the row ends, so that rows run one after another in one process.
#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "desk.h"

namespace conformance {

// Win32 values the seam's header leaves out.
inline constexpr UINT kGwOwner = 4;
inline constexpr plat::DWORD kDialogClassAtom = 32770;
inline constexpr std::int16_t kKeyDown = static_cast<std::int16_t>(0x8000);

struct WindowSpec {
  std::string name;
  plat::DWORD ex_style = 0;
  HWND owner = 0;
  plat::RECT bounds{100, 100, 300, 250};
};

class Stage {
 public:
  explicit Stage(Desk& desk);
  ~Stage();
  Stage(const Stage&) = delete;
  Stage& operator=(const Stage&) = delete;

  // A hidden popup window; show it with the seam's ShowWindow.
  HWND create(const WindowSpec& spec);
  // Created and shown with SW_SHOW, then the loop runs a moment.
  HWND show(const WindowSpec& spec);
  void destroy(HWND hwnd);
  // Names a window the row did not make (a message box), for z-orders.
  void name(HWND hwnd, std::string name) { names_[hwnd] = std::move(name); }

  // The row's visible windows, topmost first, by walking the desktop's
  // children as GetTopWindow and GetWindow(GW_HWNDNEXT) do.
  std::vector<std::string> z_order();
  // The name of the foreground window, "other" if it is none of the row's,
  // "none" if there is none.
  std::string foreground();
  bool topmost(HWND hwnd);

  // What the windows received, "<name> <event>", in order.
  std::vector<std::string>& events() { return events_; }
  // Timer ticks a window received so far.
  int ticks(HWND hwnd) const;

  plat::Platform& os() { return desk_.os(); }
  Desk& desk() { return desk_; }

 private:
  class Sink;
  Desk& desk_;
  std::map<HWND, std::string> names_;
  std::vector<std::unique_ptr<Sink>> sinks_;
  std::vector<HWND> created_;
  std::vector<std::string> events_;
};

}  // namespace conformance
