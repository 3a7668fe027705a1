// A virtual X server of its own for each test group, on a display number
// that the server picks itself (-displayfd), so that parallel runs and a
// person's own display never collide. Stopped last, after everything that
// draws on it.
#pragma once

#include <expected>
#include <filesystem>
#include <string>

#include "e2e/child_process.h"
#include "e2e/geometry.h"

namespace e2e {

class Xvfb {
 public:
  // Starts the server and waits until it accepts connections.
  static std::expected<Xvfb, std::string> start(ScreenSize size, const std::filesystem::path& log_dir);

  Xvfb(Xvfb&&) noexcept = default;
  Xvfb& operator=(Xvfb&&) noexcept = default;
  ~Xvfb();

  const std::string& display_name() const { return display_; }  // ":N"
  ScreenSize size() const { return size_; }
  pid_t pid() const { return process_.pid(); }
  void stop();

 private:
  Xvfb(ChildProcess process, std::string display, ScreenSize size)
      : process_(std::move(process)), display_(std::move(display)), size_(size) {}
  ChildProcess process_;
  std::string display_;
  ScreenSize size_;
};

}  // namespace e2e
