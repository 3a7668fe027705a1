// The private Wine prefix: made once per build folder and reused, because
// making one costs about 15 s and 700 MB. One harness process at a time
// holds it (a lock file), since a prefix has one wineserver and a test that
// ends it would end another run's programs too.
#pragma once

#include <chrono>
#include <expected>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "driver/child_process.h"

namespace e2e {

struct WineTools {
  std::filesystem::path loader;  // /usr/lib/wine/wine64, else wine64 on PATH
  std::filesystem::path server;  // /usr/lib/wine/wineserver64, else wineserver on PATH
  static std::expected<WineTools, std::string> locate();
};

class WinePrefix {
 public:
  // Takes the prefix (waiting for another run to let go), ends a server an
  // interrupted run may have left in it, and makes it if it is incomplete.
  // `display` is used only while making it.
  static std::expected<WinePrefix, std::string> open(const std::filesystem::path& path, const std::string& display,
                                                     const std::filesystem::path& log_dir);

  WinePrefix(WinePrefix&& other) noexcept;
  WinePrefix& operator=(WinePrefix&&) = delete;
  ~WinePrefix();

  const std::filesystem::path& path() const { return path_; }
  const WineTools& tools() const { return tools_; }

  // The environment of every Wine process of the harness: this prefix, the
  // display, no HTML engine or .NET install dialog, no desktop menu entries,
  // the locale (English unless set), Wine's debug output off unless asked
  // for (SLATEBAR_E2E_WINEDEBUG).
  std::vector<std::string> environment(const std::string& display) const;
  // The C library's locale that Wine takes its own from, for the programs
  // started after this ("C.UTF-8", "es_ES.UTF-8").
  void set_locale(std::string locale) { locale_ = std::move(locale); }

  // A Windows program run through the loader, stdout and stderr to files.
  SpawnSpec spec(const std::filesystem::path& exe, const std::vector<std::string>& args, const std::string& display,
                 const std::filesystem::path& cwd, const std::filesystem::path& log_stem) const;

  // Ends the server and waits until it has gone; every Wine process of the
  // prefix ends with it. Between two programs under test this is what keeps
  // the second start reliable.
  std::expected<void, std::string> stop_server(std::chrono::milliseconds timeout = std::chrono::seconds{30}) const;

  // The scale every program sees from the server's next start: the dpi
  // (96, 144, 192) as LogPixels, which Wine reads when its server starts.
  // The server is ended here, so the next program starts one that has it.
  std::expected<void, std::string> set_dpi(int dpi, const std::string& display,
                                           const std::filesystem::path& log_dir) const;

  // The Unix path of a path on drive C: (C:\users\root\Temp\x.bmp).
  std::filesystem::path unix_path(std::string_view windows_path) const;
  // Wine's temporary folder for this user, as GetTempPath gives it.
  std::filesystem::path temp_dir() const;
  static std::string user_name();

 private:
  WinePrefix(std::filesystem::path path, WineTools tools, int lock_fd)
      : path_(std::move(path)), tools_(std::move(tools)), lock_fd_(lock_fd) {}
  std::expected<void, std::string> make(const std::string& display, const std::filesystem::path& log_dir) const;
  std::expected<void, std::string> run_tool(const std::vector<std::string>& args, const std::string& display,
                                            const std::filesystem::path& log_stem,
                                            std::chrono::milliseconds timeout) const;

  std::filesystem::path path_;
  WineTools tools_;
  int lock_fd_ = -1;
  std::string locale_ = "C.UTF-8";
};

}  // namespace e2e
