// Process-wide services that must be started before the forms and ended
// after them. Each has one owner; run() declares the owners in the order
// the services are started, so leaving it ends them in the reverse order,
// with no call of its own.
#pragma once

#include <cstdint>

#include "platform/platform.h"

namespace app {

// OLE for the one user-interface thread, which the browser control needs
// for in-place activation, the clipboard and drag and drop. Ended only if
// it was started (S_FALSE, already started, still counts).
class OleSession {
 public:
  OleSession() : started_(plat::SUCCEEDED(plat::os().OleInitialize())) {}
  ~OleSession() {
    if (started_) plat::os().OleUninitialize();
  }
  OleSession(const OleSession&) = delete;
  OleSession& operator=(const OleSession&) = delete;

 private:
  bool started_;
};

// GDI+, which decodes the splash picture; token 0 means it did not start.
class GdiplusSession {
 public:
  GdiplusSession() : token_(plat::os().GdiplusStartup()) {}
  ~GdiplusSession() {
    if (token_) plat::os().GdiplusShutdown(token_);
  }
  GdiplusSession(const GdiplusSession&) = delete;
  GdiplusSession& operator=(const GdiplusSession&) = delete;

 private:
  std::uintptr_t token_;
};

}  // namespace app
