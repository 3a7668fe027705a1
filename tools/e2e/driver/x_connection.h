// The harness's own connection to the X server, owned. Windows come and go
// under Wine while the harness looks at them, so X errors about a window
// that just vanished are counted and ignored rather than ending the run,
// which is what Xlib's default handler would do.
#pragma once

#include <expected>
#include <memory>
#include <string>

#include "driver/geometry.h"

// Xlib's own names stay out of the harness's headers: its macros (None,
// Bool, Status...) break GoogleTest and other headers included after it.
struct _XDisplay;

namespace e2e {

using XWindow = unsigned long;  // an X resource id, as Xlib's Window
using XAtom = unsigned long;

class XConnection {
 public:
  static std::expected<XConnection, std::string> open(const std::string& display_name);

  XConnection(XConnection&& other) noexcept : display_(std::move(other.display_)), windows_origin_(other.windows_origin_) {}
  XConnection& operator=(XConnection&& other) noexcept = default;

  _XDisplay* get() const { return display_.get(); }
  XWindow root() const;
  ScreenSize screen_size() const;  // the whole X screen
  // Where Windows' 0,0 (the primary monitor's top-left) stands on the X
  // screen. The harness speaks Windows' screen coordinates throughout
  // (pointer, pixels, window places), so that a test reads the same on a
  // desk whose second monitor lies left of the primary, at negative x.
  Point windows_origin() const { return windows_origin_; }
  void set_windows_origin(Point origin) { windows_origin_ = origin; }
  // A round trip: every request sent so far has been handled.
  void sync() const;
  XAtom atom(const char* name) const;

  // X errors seen since the connection was opened (windows gone mid-query).
  static int ignored_errors();

 private:
  struct Closer {
    void operator()(_XDisplay* display) const;
  };
  explicit XConnection(_XDisplay* display) : display_(display) {}
  std::unique_ptr<_XDisplay, Closer> display_;
  Point windows_origin_{};
};

}  // namespace e2e
