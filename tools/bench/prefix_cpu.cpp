#include "prefix_cpu.h"

#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <sstream>

namespace bench {
namespace {

std::string read_all(const std::filesystem::path& p) {
  std::ifstream in(p, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

bool has_prefix(const std::filesystem::path& proc, const std::string& wanted) {
  const std::string env = read_all(proc / "environ");
  std::size_t at = 0;
  while (at < env.size()) {
    const std::size_t end = env.find('\0', at);
    const std::string_view entry(env.data() + at, (end == std::string::npos ? env.size() : end) - at);
    if (entry == wanted) return true;
    if (end == std::string::npos) break;
    at = end + 1;
  }
  return false;
}

}  // namespace

CpuSample sample_prefix(const std::filesystem::path& prefix) {
  const std::string wanted = "WINEPREFIX=" + prefix.string();
  CpuSample out;
  std::error_code ec;
  for (const auto& e : std::filesystem::directory_iterator("/proc", ec)) {
    const std::string name = e.path().filename().string();
    if (name.empty() || name.find_first_not_of("0123456789") != std::string::npos) continue;
    if (!has_prefix(e.path(), wanted)) continue;
    // Fields 14 and 15 of stat, counted after the command's closing
    // parenthesis, which may itself hold blanks.
    const std::string stat = read_all(e.path() / "stat");
    const std::size_t close = stat.rfind(')');
    if (close == std::string::npos) continue;
    std::istringstream fields(stat.substr(close + 2));
    std::string skip;
    for (int i = 3; i < 14; ++i) fields >> skip;
    unsigned long long utime = 0, stime = 0;
    if (fields >> utime >> stime) out[static_cast<pid_t>(std::atol(name.c_str()))] = utime + stime;
  }
  return out;
}

double cpu_seconds_between(const CpuSample& before, const CpuSample& after) {
  unsigned long long ticks = 0;
  for (const auto& [pid, t] : after) {
    const auto it = before.find(pid);
    const unsigned long long base = it == before.end() ? 0 : it->second;
    if (t >= base) ticks += t - base;
  }
  return static_cast<double>(ticks) / static_cast<double>(sysconf(_SC_CLK_TCK));
}

std::string process_name(pid_t pid) {
  std::string name = read_all(std::filesystem::path("/proc") / std::to_string(pid) / "comm");
  while (!name.empty() && name.back() == '\n') name.pop_back();
  return name + " (" + std::to_string(pid) + ")";
}

long status_kib(pid_t pid, std::string_view field) {
  std::istringstream status(read_all(std::filesystem::path("/proc") / std::to_string(pid) / "status"));
  std::string line;
  while (std::getline(status, line)) {
    if (line.size() > field.size() && line.starts_with(field) && line[field.size()] == ':') {
      return std::atol(line.c_str() + field.size() + 1);
    }
  }
  return -1;
}

}  // namespace bench
