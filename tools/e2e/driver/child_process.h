// A process the harness started, owned: the destructor ends it (by its id,
// never by name) and reaps it. Its output goes to files rather than pipes,
// so that a chatty child can never block on a pipe nobody reads, and so
// that the logs stay in the build folder for a failed run.
#pragma once

#include <sys/types.h>

#include <chrono>
#include <expected>
#include <filesystem>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace e2e {

struct ExitStatus {
  enum class Kind { Exited, Signalled };
  Kind kind = Kind::Exited;
  int value = 0;  // the exit code, or the signal number

  bool exited_with(int code) const { return kind == Kind::Exited && value == code; }
  friend bool operator==(const ExitStatus&, const ExitStatus&) = default;
};
std::ostream& operator<<(std::ostream& out, const ExitStatus& status);

struct SpawnSpec {
  std::vector<std::string> argv;  // argv[0] is the program's path
  std::vector<std::string> env;   // the whole environment, NAME=value
  std::filesystem::path cwd;      // empty: the harness's own
  std::filesystem::path stdout_path;  // empty: /dev/null
  std::filesystem::path stderr_path;  // empty: /dev/null
  int keep_fd = -1;  // one descriptor the child keeps open (Xvfb's -displayfd)
  // The child's death signal when the harness itself dies without running
  // its cleanup (SIGKILL from a test runner's timeout).
  int parent_death_signal = 9;
};

class ChildProcess {
 public:
  static std::expected<ChildProcess, std::string> spawn(const SpawnSpec& spec);

  ChildProcess(ChildProcess&& other) noexcept;
  ChildProcess& operator=(ChildProcess&& other) noexcept;
  ChildProcess(const ChildProcess&) = delete;
  ChildProcess& operator=(const ChildProcess&) = delete;
  ~ChildProcess();

  pid_t pid() const { return pid_; }
  bool running();
  // The exit status once the process has ended; nothing while it runs.
  std::optional<ExitStatus> poll();
  std::optional<ExitStatus> wait_for(std::chrono::milliseconds timeout);
  // Sends `signal` and waits up to `grace` for the end; then SIGKILL.
  ExitStatus stop(int signal, std::chrono::milliseconds grace);
  ExitStatus kill_now() { return stop(9, std::chrono::milliseconds{2000}); }

  const std::filesystem::path& stdout_path() const { return stdout_path_; }
  const std::filesystem::path& stderr_path() const { return stderr_path_; }
  // What the process wrote to stdout so far (empty when it went nowhere).
  std::string output() const;

 private:
  ChildProcess(pid_t pid, std::filesystem::path out, std::filesystem::path err)
      : pid_(pid), stdout_path_(std::move(out)), stderr_path_(std::move(err)) {}
  void release();

  pid_t pid_ = -1;
  std::optional<ExitStatus> status_;
  std::filesystem::path stdout_path_;
  std::filesystem::path stderr_path_;
};

// The harness's environment with `overrides` (NAME=value) replacing or
// adding entries and `removed` names dropped.
std::vector<std::string> environment_with(const std::vector<std::string>& overrides,
                                          const std::vector<std::string>& removed = {});

// Reads a whole file; empty when it does not exist.
std::string read_file(const std::filesystem::path& path);

}  // namespace e2e
