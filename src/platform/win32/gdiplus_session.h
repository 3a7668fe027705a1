// GDI+ started for the process, shut down with its token when the owner goes.
#pragma once

#include <cstdint>
#include <expected>
#include <utility>

namespace win32 {

// Starts GDI+ version 1 with no debug callback and its own background
// thread. The token is 0 when start-up failed.
std::uintptr_t start_gdiplus();
void stop_gdiplus(std::uintptr_t token);

class GdiplusSession {
 public:
  // The session, or GDI+'s failure status.
  static std::expected<GdiplusSession, int> start();

  GdiplusSession(GdiplusSession&& other) noexcept : token_(std::exchange(other.token_, 0)) {}
  GdiplusSession& operator=(GdiplusSession&& other) noexcept {
    std::swap(token_, other.token_);
    return *this;
  }
  GdiplusSession(const GdiplusSession&) = delete;
  GdiplusSession& operator=(const GdiplusSession&) = delete;
  ~GdiplusSession() {
    if (token_) stop_gdiplus(token_);
  }

 private:
  explicit GdiplusSession(std::uintptr_t token) : token_(token) {}
  std::uintptr_t token_;
};

}  // namespace win32
