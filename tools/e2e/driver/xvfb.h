// A virtual X server of its own for each test group, on a display number
// that the server picks itself (-displayfd), so that parallel runs and a
// person's own display never collide. Stopped last, after everything that
// draws on it. Xvfb has one output, so a desk of two monitors is Xorg with
// its dummy video driver instead (xorg_desk.cpp); both are owned here.
#pragma once

#include <expected>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "driver/child_process.h"
#include "driver/geometry.h"

namespace e2e {

enum class Side { Left, Right };

// A second monitor beside the primary, their tops level.
struct SecondMonitor {
  ScreenSize size;
  Side side = Side::Right;
  friend bool operator==(const SecondMonitor&, const SecondMonitor&) = default;
};

class Xvfb {
 public:
  // Starts the server and waits until it accepts connections.
  static std::expected<Xvfb, std::string> start(ScreenSize size, const std::filesystem::path& log_dir);
  // Xorg with the dummy driver: the primary, and `second` switched on
  // beside it through xrandr; returns once X reports both monitors.
  static std::expected<Xvfb, std::string> start_desk(ScreenSize primary, SecondMonitor second,
                                                     const std::filesystem::path& log_dir);

  Xvfb(Xvfb&&) noexcept = default;
  Xvfb& operator=(Xvfb&&) noexcept = default;
  ~Xvfb();

  const std::string& display_name() const { return display_; }  // ":N"
  ScreenSize size() const { return size_; }  // the primary's
  const std::optional<SecondMonitor>& second() const { return second_; }
  // Where the primary's top-left stands on the X screen. Windows puts the
  // primary at 0,0, so a monitor left of it has negative x there: a place
  // on the Windows side is this much further right and down on X.
  Point primary_origin() const;
  pid_t pid() const { return process_.pid(); }
  void stop();

 private:
  Xvfb(ChildProcess process, std::string display, ScreenSize size)
      : process_(std::move(process)), display_(std::move(display)), size_(size) {}
  // `argv` (the server and its arguments, "-displayfd N" added here) run
  // until it takes connections.
  static std::expected<Xvfb, std::string> serve(std::vector<std::string> argv, ScreenSize size,
                                                const std::filesystem::path& log);
  ChildProcess process_;
  std::string display_;
  ScreenSize size_;
  std::optional<SecondMonitor> second_;
};

}  // namespace e2e
