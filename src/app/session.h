// Process-wide services that must be started before the forms and ended
// after them, in reverse order.
#pragma once

#include <cstdint>

#include "platform/platform.h"

namespace app {

class GdiplusSession {
 public:
  GdiplusSession() : token_(plat::os().GdiplusStartup()), running_(true) {}
  ~GdiplusSession() { end(); }
  void end() {
    if (running_) plat::os().GdiplusShutdown(token_);
    running_ = false;
  }
  GdiplusSession(const GdiplusSession&) = delete;
  GdiplusSession& operator=(const GdiplusSession&) = delete;

 private:
  std::uintptr_t token_;
  bool running_;
};

// COM for the one user-interface thread, which the browser control needs.
class ComSession {
 public:
  ComSession() : initialised_(plat::SUCCEEDED(plat::os().CoInitialize())) {}
  ~ComSession() { end(); }
  void end() {
    if (initialised_) plat::os().CoUninitialize();
    initialised_ = false;
  }
  ComSession(const ComSession&) = delete;
  ComSession& operator=(const ComSession&) = delete;

 private:
  bool initialised_;
};

}  // namespace app
