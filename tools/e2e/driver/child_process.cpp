#include "driver/child_process.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <fstream>
#include <sstream>
#include <thread>

#include "driver/cleanup_guard.h"

extern char** environ;

namespace e2e {
namespace {

std::vector<char*> c_strings(std::vector<std::string>& strings) {
  std::vector<char*> out;
  out.reserve(strings.size() + 1);
  for (std::string& s : strings) out.push_back(s.data());
  out.push_back(nullptr);
  return out;
}

ExitStatus decode(int raw) {
  if (WIFSIGNALED(raw)) return {ExitStatus::Kind::Signalled, WTERMSIG(raw)};
  return {ExitStatus::Kind::Exited, WEXITSTATUS(raw)};
}

[[noreturn]] void fail_child(int report_fd) {
  const int code = errno;
  (void)!write(report_fd, &code, sizeof code);
  _exit(127);
}

// Only async-signal-safe calls between fork and exec.
[[noreturn]] void exec_child(const SpawnSpec& spec, char* const* argv, char* const* envp,
                             const char* out, const char* err, int report_fd) {
  setpgid(0, 0);  // a terminal's Ctrl-C reaches the harness, which cleans up in order
  if (spec.parent_death_signal > 0) prctl(PR_SET_PDEATHSIG, spec.parent_death_signal);
  auto fail = [report_fd]() { fail_child(report_fd); };
  if (!spec.cwd.empty() && chdir(spec.cwd.c_str()) != 0) fail();
  const int in = open("/dev/null", O_RDONLY);
  const int o = open(out, O_WRONLY | O_CREAT | O_TRUNC | O_APPEND, 0644);
  const int e = open(err, O_WRONLY | O_CREAT | O_TRUNC | O_APPEND, 0644);
  if (in < 0 || o < 0 || e < 0) fail();
  dup2(in, 0);
  dup2(o, 1);
  dup2(e, 2);
  for (int fd = 3; fd < 1024; ++fd) {
    if (fd != report_fd && fd != spec.keep_fd) close(fd);
  }
  execve(argv[0], argv, envp);
  fail_child(report_fd);
}

}  // namespace

std::ostream& operator<<(std::ostream& out, const ExitStatus& status) {
  if (status.kind == ExitStatus::Kind::Signalled) return out << "killed by signal " << status.value;
  return out << "exit code " << status.value;
}

std::expected<ChildProcess, std::string> ChildProcess::spawn(const SpawnSpec& spec) {
  if (spec.argv.empty()) return std::unexpected("nothing to run");
  std::vector<std::string> argv_strings = spec.argv;
  std::vector<std::string> env_strings = spec.env;
  std::vector<char*> argv = c_strings(argv_strings);
  std::vector<char*> envp = c_strings(env_strings);
  const std::string out = spec.stdout_path.empty() ? "/dev/null" : spec.stdout_path.string();
  const std::string err = spec.stderr_path.empty() ? "/dev/null" : spec.stderr_path.string();

  int report[2];
  if (pipe2(report, O_CLOEXEC) != 0) return std::unexpected(std::string("pipe: ") + std::strerror(errno));
  const pid_t pid = fork();
  if (pid < 0) {
    close(report[0]);
    close(report[1]);
    return std::unexpected(std::string("fork: ") + std::strerror(errno));
  }
  if (pid == 0) exec_child(spec, argv.data(), envp.data(), out.c_str(), err.c_str(), report[1]);

  close(report[1]);
  int child_errno = 0;
  const ssize_t got = read(report[0], &child_errno, sizeof child_errno);
  close(report[0]);
  if (got == sizeof child_errno) {
    waitpid(pid, nullptr, 0);
    return std::unexpected("cannot run " + spec.argv[0] + ": " + std::strerror(child_errno));
  }
  cleanup::track(pid);
  return ChildProcess(pid, spec.stdout_path, spec.stderr_path);
}

ChildProcess::ChildProcess(ChildProcess&& other) noexcept
    : pid_(other.pid_),
      status_(other.status_),
      stdout_path_(std::move(other.stdout_path_)),
      stderr_path_(std::move(other.stderr_path_)) {
  other.pid_ = -1;
}

ChildProcess& ChildProcess::operator=(ChildProcess&& other) noexcept {
  if (this != &other) {
    release();
    pid_ = other.pid_;
    status_ = other.status_;
    stdout_path_ = std::move(other.stdout_path_);
    stderr_path_ = std::move(other.stderr_path_);
    other.pid_ = -1;
  }
  return *this;
}

ChildProcess::~ChildProcess() { release(); }

void ChildProcess::release() {
  if (pid_ > 0 && !status_) kill_now();
  pid_ = -1;
}

std::optional<ExitStatus> ChildProcess::poll() {
  if (status_ || pid_ <= 0) return status_;
  int raw = 0;
  const pid_t got = waitpid(pid_, &raw, WNOHANG);
  if (got == pid_) {
    status_ = decode(raw);
    cleanup::untrack(pid_);
  } else if (got < 0 && errno == ECHILD) {
    status_ = ExitStatus{ExitStatus::Kind::Signalled, 0};
    cleanup::untrack(pid_);
  }
  return status_;
}

bool ChildProcess::running() { return pid_ > 0 && !poll(); }

std::optional<ExitStatus> ChildProcess::wait_for(std::chrono::milliseconds timeout) {
  const auto deadline = std::chrono::steady_clock::now() + timeout;
  for (;;) {
    if (auto status = poll()) return status;
    if (std::chrono::steady_clock::now() >= deadline) return std::nullopt;
    std::this_thread::sleep_for(std::chrono::milliseconds{10});
  }
}

ExitStatus ChildProcess::stop(int signal, std::chrono::milliseconds grace) {
  if (auto status = poll()) return *status;
  ::kill(pid_, signal);
  if (auto status = wait_for(grace)) return *status;
  ::kill(pid_, SIGKILL);
  int raw = 0;
  waitpid(pid_, &raw, 0);
  status_ = decode(raw);
  cleanup::untrack(pid_);
  return *status_;
}

std::string ChildProcess::output() const { return read_file(stdout_path_); }

std::string read_file(const std::filesystem::path& path) {
  if (path.empty()) return {};
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

std::vector<std::string> environment_with(const std::vector<std::string>& overrides,
                                          const std::vector<std::string>& removed) {
  auto name_of = [](std::string_view entry) { return entry.substr(0, entry.find('=')); };
  auto replaced = [&](std::string_view name) {
    for (const std::string& r : removed) {
      if (r == name) return true;
    }
    for (const std::string& o : overrides) {
      if (name_of(o) == name) return true;
    }
    return false;
  };
  std::vector<std::string> env;
  for (char** e = environ; e && *e; ++e) {
    if (!replaced(name_of(*e))) env.emplace_back(*e);
  }
  env.insert(env.end(), overrides.begin(), overrides.end());
  return env;
}

}  // namespace e2e
