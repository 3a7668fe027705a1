#include "driver/wine_process.h"

#include <fstream>
#include <sstream>

namespace e2e {

std::optional<UnixMemory> unix_memory(pid_t pid) {
  std::ifstream status("/proc/" + std::to_string(pid) + "/status");
  if (!status) return std::nullopt;
  UnixMemory memory;
  for (std::string line; std::getline(status, line);) {
    std::istringstream fields(line);
    std::string name;
    long value = 0;
    fields >> name >> value;
    if (name == "VmRSS:") memory.resident_kb = value;
    else if (name == "RssAnon:") memory.anonymous_kb = value;
    else if (name == "VmData:") memory.data_kb = value;
  }
  return memory;
}

std::vector<XWindowInfo> WineProcess::x_windows(const XConnection& x) const {
  std::vector<XWindowInfo> mine;
  for (XWindowInfo& w : x_top_level_windows(x)) {
    if (w.pid == pid()) mine.push_back(std::move(w));
  }
  return mine;
}

}  // namespace e2e
