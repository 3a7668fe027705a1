// Owners for the handles that code above the seam holds: a window, a
// module loaded at run time, an open registry key, a cursor made for the
// program. Each releases its handle through the platform interface when it
// goes, so no form, toolkit class or program entry releases one by hand and
// no early return leaks one. Move-only: a handle has exactly one owner.
#pragma once

#include <cstdint>
#include <utility>

#include "platform/platform.h"

namespace plat {

// Release is a function object taking the handle; 0 is the empty value for
// every handle here, as for the system's own.
template <class Handle, class Release>
class Owned {
 public:
  Owned() = default;
  explicit Owned(Handle h) : h_(h) {}
  Owned(Owned&& other) noexcept : h_(std::exchange(other.h_, Handle{})) {}
  Owned& operator=(Owned&& other) noexcept {
    if (this != &other) {
      reset();
      h_ = std::exchange(other.h_, Handle{});
    }
    return *this;
  }
  Owned(const Owned&) = delete;
  Owned& operator=(const Owned&) = delete;
  ~Owned() { reset(); }

  Handle get() const { return h_; }
  explicit operator bool() const { return h_ != Handle{}; }
  // Hands the handle on; the caller owns it now.
  Handle release() { return std::exchange(h_, Handle{}); }
  void reset(Handle h = Handle{}) {
    const Handle old = std::exchange(h_, h);
    if (old != Handle{}) Release{}(old);
  }
  // For an out-parameter (RegOpenKeyExA): what was held is released first.
  Handle* put() {
    reset();
    return &h_;
  }

 private:
  Handle h_{};
};

namespace release {
struct Window {
  void operator()(HWND h) const { os().DestroyWindow(h); }
};
struct Module {
  void operator()(HMODULE h) const { os().FreeLibrary(h); }
};
struct RegistryKey {
  void operator()(std::uintptr_t h) const { os().RegCloseKey(h); }
};
struct Cursor {
  void operator()(HCURSOR h) const { os().DestroyCursor(h); }
};
}  // namespace release

using Window = Owned<HWND, release::Window>;
using Module = Owned<HMODULE, release::Module>;
using RegistryKey = Owned<std::uintptr_t, release::RegistryKey>;
using Cursor = Owned<HCURSOR, release::Cursor>;

}  // namespace plat
