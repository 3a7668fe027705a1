// A Windows program the harness started under Wine. The loader's Unix
// process becomes the program (its id is the _NET_WM_PID of the program's
// X windows), and the program's exit code passes through as the process's.
#pragma once

#include <chrono>
#include <optional>
#include <string>
#include <vector>

#include "driver/child_process.h"
#include "driver/x_windows.h"

namespace e2e {

// A process's memory as Linux counts it (/proc/<pid>/status, in KiB).
// Wine's own counters are of little use here: measured, GetGuiResources
// answers 0 for GDI and USER objects and PrivateUsage is 0; only the
// working set is filled in.
struct UnixMemory {
  long resident_kb = 0;   // VmRSS
  long anonymous_kb = 0;  // RssAnon: the heap and the like, no mapped files
  long data_kb = 0;       // VmData
};
std::optional<UnixMemory> unix_memory(pid_t pid);

class WineProcess {
 public:
  WineProcess(ChildProcess child, std::string name) : child_(std::move(child)), name_(std::move(name)) {}

  pid_t pid() const { return child_.pid(); }
  const std::string& name() const { return name_; }
  bool running() { return child_.running(); }
  std::optional<ExitStatus> exit_status() { return child_.poll(); }
  std::optional<ExitStatus> wait_exit(std::chrono::milliseconds timeout) { return child_.wait_for(timeout); }
  ExitStatus kill() { return child_.kill_now(); }

  // What it wrote to stdout and stderr so far (Wine's messages go to stderr).
  std::string output() const { return child_.output(); }
  std::string errors() const { return read_file(child_.stderr_path()); }
  const std::filesystem::path& stderr_path() const { return child_.stderr_path(); }

  std::optional<UnixMemory> memory() const { return unix_memory(pid()); }

  // It ended because Wine itself failed under it: its connection to the
  // prefix's server broke ("wine client error", measured about once in
  // a hundred starts right after a server restart), not through anything
  // the program did. Such a start is worth one more try.
  bool wine_failed() {
    return !running() && errors().find("wine client error") != std::string::npos;
  }

  // Its X windows, topmost first.
  std::vector<XWindowInfo> x_windows(const XConnection& x) const;

 private:
  ChildProcess child_;
  std::string name_;
};

}  // namespace e2e
