#include "driver/cleanup_guard.h"

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <array>
#include <atomic>
#include <cstdlib>

namespace e2e::cleanup {
namespace {

constexpr std::size_t kMaxTracked = 256;
std::array<std::atomic<pid_t>, kMaxTracked> g_tracked{};
std::atomic<pid_t> g_display_server{0};

// Prepared ahead, because the handler may not allocate.
struct PreparedCommand {
  std::vector<std::string> strings;
  std::vector<char*> argv;
};
std::vector<PreparedCommand> g_server_stop;
std::vector<std::string> g_server_env_strings;
std::vector<char*> g_server_env;
std::atomic<bool> g_server_stop_set{false};
std::atomic<bool> g_installed{false};

void run_and_wait(char* const* argv) {
  const pid_t pid = fork();
  if (pid == 0) {
    execve(argv[0], argv, g_server_env.data());
    _exit(127);
  }
  if (pid > 0) {
    int status = 0;
    waitpid(pid, &status, 0);
  }
}

void on_signal(int signal) {
  run_now();
  ::signal(signal, SIG_DFL);
  raise(signal);
}

}  // namespace

void track(pid_t pid) {
  for (auto& slot : g_tracked) {
    pid_t empty = 0;
    if (slot.compare_exchange_strong(empty, pid)) return;
  }
}

void untrack(pid_t pid) {
  for (auto& slot : g_tracked) {
    pid_t expected = pid;
    if (slot.compare_exchange_strong(expected, 0)) return;
  }
}

void set_server_stop(std::vector<std::vector<std::string>> commands, std::vector<std::string> env) {
  g_server_stop_set = false;
  g_server_stop.clear();
  for (auto& command : commands) {
    PreparedCommand& prepared = g_server_stop.emplace_back();
    prepared.strings = std::move(command);
  }
  for (PreparedCommand& prepared : g_server_stop) {
    for (std::string& s : prepared.strings) prepared.argv.push_back(s.data());
    prepared.argv.push_back(nullptr);
  }
  g_server_env_strings = std::move(env);
  g_server_env.clear();
  for (std::string& s : g_server_env_strings) g_server_env.push_back(s.data());
  g_server_env.push_back(nullptr);
  g_server_stop_set = true;
}

void clear_server_stop() { g_server_stop_set = false; }

void set_display_server(pid_t pid) { g_display_server = pid; }
void clear_display_server() { g_display_server = 0; }

void run_now() {
  // Wine clients first, newest first: a child the harness started later
  // may depend on an earlier one, never the other way round.
  for (std::size_t i = kMaxTracked; i-- > 0;) {
    const pid_t pid = g_tracked[i].exchange(0);
    if (pid > 0 && pid != g_display_server) {
      ::kill(pid, SIGKILL);
      waitpid(pid, nullptr, 0);
    }
  }
  if (g_server_stop_set.exchange(false)) {
    for (PreparedCommand& command : g_server_stop) run_and_wait(command.argv.data());
  }
  if (const pid_t x = g_display_server.exchange(0); x > 0) {
    ::kill(x, SIGTERM);
    waitpid(x, nullptr, 0);
  }
}

void install() {
  if (g_installed.exchange(true)) return;
  struct sigaction action {};
  action.sa_handler = on_signal;
  sigemptyset(&action.sa_mask);
  for (int signal : {SIGINT, SIGTERM, SIGHUP, SIGQUIT, SIGABRT, SIGSEGV, SIGBUS, SIGFPE}) {
    sigaction(signal, &action, nullptr);
  }
  std::atexit(run_now);
}

}  // namespace e2e::cleanup
