// One test group's world: a virtual X server, the private Wine prefix, the
// harness's X connection and input, and every Wine program the group
// started. Ending it ends things in the order that keeps the next start
// reliable: the programs (by id, newest first, each waited for), then the
// prefix's wineserver (-k, then -w), then the X server last.
#pragma once

#include <chrono>
#include <cstdint>
#include <deque>
#include <expected>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "driver/geometry.h"
#include "driver/helper_window.h"
#include "driver/input.h"
#include "driver/screenshot.h"
#include "driver/wine_prefix.h"
#include "driver/wine_process.h"
#include "driver/windows_side.h"
#include "driver/x_connection.h"
#include "driver/x_windows.h"
#include "driver/xvfb.h"

namespace e2e {

using namespace std::chrono_literals;

struct SessionOptions {
  std::string group = "e2e";  // names the work folder under build/e2e-work
  ScreenSize screen{1024, 768, 24};  // the primary monitor's
  // A second monitor beside it: the X server is then Xorg's dummy driver.
  std::optional<SecondMonitor> second;
};

// The first window of a Wine program can take long (seen: 40 s once in a
// dozen starts, cause unknown), so this is the deadline for it.
inline constexpr std::chrono::milliseconds kFirstWindowTimeout = 60s;

class Session {
 public:
  static std::expected<std::unique_ptr<Session>, std::string> start(const SessionOptions& options);
  Session(const Session&) = delete;
  Session& operator=(const Session&) = delete;
  ~Session();

  const std::string& display() const { return xvfb_.display_name(); }
  ScreenSize screen() const { return xvfb_.size(); }  // the primary's
  const std::optional<SecondMonitor>& second() const { return xvfb_.second(); }
  const XConnection& x() const { return *x_; }
  const Input& input() const { return input_; }
  const WinePrefix& prefix() const { return *prefix_; }
  const std::filesystem::path& work_dir() const { return work_dir_; }

  // A Windows program under Wine, working folder `cwd` (default: its own).
  // The session owns it; the reference stays valid until the session ends.
  std::expected<std::reference_wrapper<WineProcess>, std::string> launch(const std::filesystem::path& exe,
                                                                         const std::vector<std::string>& args = {},
                                                                         const std::filesystem::path& cwd = {});

  // Ends every program, then the server; the next launch starts a fresh one.
  std::expected<void, std::string> end_wine();
  // Wine in another locale from the next launch on (every program and the
  // server ended first, so that none keeps the old one).
  std::expected<void, std::string> use_locale(std::string locale);
  // Wine at another scale (LogPixels) from the next launch on, every
  // program and the server ended first. The prefix is shared by every
  // group: a group that changes it puts 96 back when it ends.
  std::expected<void, std::string> use_dpi(int dpi);
  // The scale set last (96 unless a group set another), and a length of a
  // person's gesture at 100 % grown with it as the program's places grow:
  // at 150 % the lock screen's band is half as tall again, so is the drag.
  int dpi() const { return dpi_; }
  int scaled(int value) const { return (value * dpi_ + 48) / 96; }
  // The program launched last, if any.
  WineProcess* last_program() { return programs_.empty() ? nullptr : programs_.back().get(); }

  // --- the Windows side, through the helper exe ---
  std::expected<WindowList, std::string> windows();
  // Visible standard dialogs, topmost first; all of them when no caption.
  std::expected<std::vector<Dialog>, std::string> dialogs(std::string_view caption = {});
  // Posts WM_CLOSE to every top-level window of the class; how many.
  std::expected<int, std::string> close_class(std::string_view class_name);
  std::expected<Resources, std::string> resources_of_class(std::string_view class_name);
  // The program's own counts, asked of its window of this class.
  std::expected<LiveObjects, std::string> live_objects_of_class(std::string_view class_name);
  // A foreign window, shown (unless hidden) and mapped on the X side.
  std::expected<HelperWindow, std::string> open_window(const WindowSpec& spec);
  // A top-level window of the class that satisfies `test`, waited for.
  // On a miss, the screen and both window lists are recorded.
  std::expected<WinWindow, std::string> wait_for_window(
      std::string_view class_name, std::chrono::milliseconds timeout = kFirstWindowTimeout,
      const std::function<bool(const WinWindow&)>& test = [](const WinWindow& w) { return w.visible; });

  // --- the X side ---
  std::vector<XWindowInfo> x_windows() const { return x_top_level_windows(*x_); }
  std::optional<XWindowInfo> x_window(std::uint64_t xid) const;
  std::expected<Screenshot, std::string> screenshot() const { return Screenshot::capture(*x_); }

  // The screen, both window lists and the programs' logs, written into the
  // build folder's e2e-failures; returns the screenshot's path.
  std::filesystem::path record(std::string_view label);

  // Runs one helper command to its end and gives its stdout.
  std::expected<std::string, std::string> run_helper(const std::vector<std::string>& args,
                                                     std::chrono::milliseconds timeout = 30s);

 private:
  struct Key {
    explicit Key() = default;
  };

 public:
  Session(Key, Xvfb xvfb, XConnection x, WinePrefix prefix, std::filesystem::path work_dir);

 private:
  void end_programs();

  Xvfb xvfb_;
  std::optional<XConnection> x_;
  Input input_;
  std::optional<WinePrefix> prefix_;
  std::filesystem::path work_dir_;
  std::deque<std::unique_ptr<WineProcess>> programs_;
  std::size_t first_of_run_ = 0;  // programs before this one ended with an earlier server
  int launches_ = 0;
  int dpi_ = 96;
};

}  // namespace e2e
