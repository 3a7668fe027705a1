#include "driver/wine_prefix.h"

#include <fcntl.h>
#include <pwd.h>
#include <sys/file.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <thread>

#include "driver/cleanup_guard.h"
#include "driver/paths.h"
#include "driver/wait.h"

namespace e2e {
namespace {

namespace fs = std::filesystem;

// Bumped whenever the prefix's settings change, so old prefixes are remade.
constexpr std::string_view kPrefixRecipe = "slatebar-e2e prefix 2: win64, Managed=N, ShowCrashDialog=0";

fs::path fonts_file() { return paths::source_dir() / "scripts" / "wine-fonts.reg"; }

// What the prefix was made from, the face replacements included, so that
// an edit of either remakes it.
std::string recipe() { return std::string(kPrefixRecipe) + "\n" + read_file(fonts_file()); }

// A Unix path as Wine's drive Z: (the root) shows it to Windows programs.
std::string windows_path(const fs::path& unix_path) {
  std::string out = "Z:" + fs::absolute(unix_path).string();
  for (char& c : out) {
    if (c == '/') c = '\\';
  }
  return out;
}

fs::path on_path(std::string_view name) {
  const char* path = std::getenv("PATH");
  std::istringstream dirs(path ? path : "");
  for (std::string dir; std::getline(dirs, dir, ':');) {
    const fs::path candidate = fs::path(dir) / name;
    if (!dir.empty() && access(candidate.c_str(), X_OK) == 0) return candidate;
  }
  return {};
}

fs::path first_executable(std::initializer_list<std::string_view> fixed, std::string_view fallback) {
  for (std::string_view f : fixed) {
    if (access(std::string(f).c_str(), X_OK) == 0) return fs::path(f);
  }
  return on_path(fallback);
}

}  // namespace

std::expected<WineTools, std::string> WineTools::locate() {
  WineTools tools;
  tools.loader = first_executable({"/usr/lib/wine/wine64"}, "wine64");
  tools.server = first_executable({"/usr/lib/wine/wineserver64"}, "wineserver");
  if (tools.loader.empty()) return std::unexpected("no 64-bit Wine loader (/usr/lib/wine/wine64 or wine64 on PATH)");
  if (tools.server.empty()) return std::unexpected("no wineserver (/usr/lib/wine/wineserver64 or on PATH)");
  return tools;
}

std::string WinePrefix::user_name() {
  if (const passwd* pw = getpwuid(getuid())) return pw->pw_name;
  const char* user = std::getenv("USER");
  return user ? user : "root";
}

std::expected<WinePrefix, std::string> WinePrefix::open(const fs::path& path, const std::string& display,
                                                        const fs::path& log_dir) {
  cleanup::install();
  auto tools = WineTools::locate();
  if (!tools) return std::unexpected(tools.error());
  std::error_code ignored;
  fs::create_directories(path.parent_path(), ignored);
  const fs::path lock_path = path.string() + ".lock";
  const int fd = ::open(lock_path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
  if (fd < 0) return std::unexpected("cannot open " + lock_path.string());
  const bool locked = wait_until(std::chrono::minutes{20}, [&] { return flock(fd, LOCK_EX | LOCK_NB) == 0; },
                                 milliseconds{500});
  if (!locked) {
    ::close(fd);
    return std::unexpected("another run holds " + lock_path.string() + " for over 20 minutes");
  }
  WinePrefix prefix(path, std::move(*tools), fd);
  const std::string env_prefix = "WINEPREFIX=" + path.string();
  cleanup::set_server_stop({{prefix.tools_.server.string(), "-k"}, {prefix.tools_.server.string(), "-w"}},
                           environment_with({env_prefix}));
  if (fs::exists(path)) {
    // A server that an interrupted run left behind in this prefix only.
    if (auto stopped = prefix.stop_server(); !stopped) return std::unexpected(stopped.error());
  }
  if (read_file(path / ".slatebar-e2e-ready") != recipe()) {
    if (auto made = prefix.make(display, log_dir); !made) return std::unexpected(made.error());
  }
  return prefix;
}

WinePrefix::WinePrefix(WinePrefix&& other) noexcept
    : path_(std::move(other.path_)), tools_(std::move(other.tools_)), lock_fd_(other.lock_fd_),
      locale_(std::move(other.locale_)) {
  other.lock_fd_ = -1;
}

WinePrefix::~WinePrefix() {
  if (lock_fd_ < 0) return;
  (void)stop_server();
  cleanup::clear_server_stop();
  ::close(lock_fd_);  // releases the lock
}

std::vector<std::string> WinePrefix::environment(const std::string& display) const {
  const char* debug = std::getenv("SLATEBAR_E2E_WINEDEBUG");
  return environment_with(
      {
          "WINEPREFIX=" + path_.string(),
          "WINEARCH=win64",
          "WINEDLLOVERRIDES=mscoree,mshtml=;winemenubuilder.exe=d",
          std::string("WINEDEBUG=") + (debug ? debug : "-all"),
          "DISPLAY=" + display,
          "LANG=" + locale_,
          "LC_ALL=" + locale_,
      },
      {"WAYLAND_DISPLAY", "WINELOADER", "WINESERVER"});
}

SpawnSpec WinePrefix::spec(const fs::path& exe, const std::vector<std::string>& args, const std::string& display,
                           const fs::path& cwd, const fs::path& log_stem) const {
  SpawnSpec spec;
  spec.argv = {tools_.loader.string(), exe.string()};
  spec.argv.insert(spec.argv.end(), args.begin(), args.end());
  spec.env = environment(display);
  spec.cwd = cwd;
  spec.stdout_path = log_stem.string() + ".out";
  spec.stderr_path = log_stem.string() + ".err";
  return spec;
}

std::expected<void, std::string> WinePrefix::run_tool(const std::vector<std::string>& args, const std::string& display,
                                                      const fs::path& log_stem,
                                                      std::chrono::milliseconds timeout) const {
  SpawnSpec spec;
  spec.argv = args;
  spec.env = environment(display);
  spec.stdout_path = log_stem.string() + ".out";
  spec.stderr_path = log_stem.string() + ".err";
  auto process = ChildProcess::spawn(spec);
  if (!process) return std::unexpected(process.error());
  const auto status = process->wait_for(timeout);
  if (!status) return std::unexpected(args.back() + " did not finish; see " + spec.stderr_path.string());
  if (!status->exited_with(0)) {
    std::ostringstream why;
    why << args[1] << " ended with " << *status << "; see " << spec.stderr_path.string();
    return std::unexpected(why.str());
  }
  return {};
}

std::expected<void, std::string> WinePrefix::make(const std::string& display, const fs::path& log_dir) const {
  std::error_code ignored;
  fs::remove_all(path_, ignored);
  fs::create_directories(log_dir, ignored);
  const std::string loader = tools_.loader.string();
  const auto long_wait = std::chrono::minutes{5};
  if (auto r = run_tool({loader, "wineboot", "-i"}, display, log_dir / "prefix-wineboot", long_wait); !r) return r;
  struct Setting {
    const char *key, *value, *type, *data, *log;
  };
  static constexpr Setting kSettings[] = {
      // Without a window manager every hide of a managed window waits about
      // a second for an answer that never comes; unmanaged ones hide at once.
      {"HKCU\\Software\\Wine\\X11 Driver", "Managed", "REG_SZ", "N", "prefix-reg-managed"},
      // A crash must fail the test, not wait behind a dialog nobody answers.
      {"HKCU\\Software\\Wine\\WineDbg", "ShowCrashDialog", "REG_DWORD", "0", "prefix-reg-crashdialog"},
  };
  for (const Setting& s : kSettings) {
    if (auto r = run_tool({loader, "reg", "add", s.key, "/v", s.value, "/t", s.type, "/d", s.data, "/f"}, display,
                          log_dir / s.log, long_wait);
        !r) {
      return r;
    }
  }
  // The faces the designs name that Wine lacks, mapped to metric-compatible
  // ones; scripts/run imports the same file into its prefix.
  if (auto r = run_tool({loader, "reg", "import", windows_path(fonts_file())},
                        display, log_dir / "prefix-reg-fonts", long_wait);
      !r) {
    return r;
  }
  if (auto r = stop_server(); !r) return r;
  std::ofstream(path_ / ".slatebar-e2e-ready") << recipe();
  return {};
}

std::expected<void, std::string> WinePrefix::set_dpi(int dpi, const std::string& display,
                                                     const fs::path& log_dir) const {
  std::error_code ignored;
  fs::create_directories(log_dir, ignored);
  if (auto r = run_tool({tools_.loader.string(), "reg", "add", "HKCU\\Control Panel\\Desktop", "/v", "LogPixels",
                         "/t", "REG_DWORD", "/d", std::to_string(dpi), "/f"},
                        display, log_dir / ("prefix-reg-dpi-" + std::to_string(dpi)), std::chrono::minutes{2});
      !r) {
    return r;
  }
  return stop_server();
}

std::expected<void, std::string> WinePrefix::stop_server(std::chrono::milliseconds timeout) const {
  const std::vector<std::string> env = environment_with({"WINEPREFIX=" + path_.string()});
  for (const char* step : {"-k", "-w"}) {
    SpawnSpec spec;
    spec.argv = {tools_.server.string(), step};
    spec.env = env;
    auto process = ChildProcess::spawn(spec);
    if (!process) return std::unexpected(process.error());
    if (!process->wait_for(timeout)) return std::unexpected(std::string("wineserver ") + step + " did not return");
  }
  return {};
}

fs::path WinePrefix::unix_path(std::string_view windows_path) const {
  std::string rest(windows_path);
  if (rest.size() >= 2 && (rest[0] == 'C' || rest[0] == 'c') && rest[1] == ':') rest.erase(0, 2);
  for (char& c : rest) {
    if (c == '\\') c = '/';
  }
  while (!rest.empty() && rest.front() == '/') rest.erase(0, 1);
  return path_ / "drive_c" / rest;
}

fs::path WinePrefix::temp_dir() const { return path_ / "drive_c" / "users" / user_name() / "Temp"; }

}  // namespace e2e
