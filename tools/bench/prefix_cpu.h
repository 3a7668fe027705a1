// Processor time of every process of one Wine prefix, read from /proc: the
// program itself, wineserver and Wine's own services (each started with
// the prefix in its environment), so that the cost of the server's work
// on a program's behalf is counted with the program.
#pragma once

#include <filesystem>
#include <map>
#include <string>
#include <string_view>
#include <sys/types.h>

namespace bench {

// User plus system time per process, in clock ticks.
using CpuSample = std::map<pid_t, unsigned long long>;

CpuSample sample_prefix(const std::filesystem::path& prefix);

// Seconds of processor time between two samples; a process that started
// in between counts from zero, one that ended in between is lost (its
// last interval is not in /proc any more), which is why a measurement
// keeps every process alive across its window.
double cpu_seconds_between(const CpuSample& before, const CpuSample& after);

// The process's name as /proc gives it, for reports.
std::string process_name(pid_t pid);

// One KiB figure of /proc/<pid>/status ("VmRSS", "RssShmem", ...), or -1.
long status_kib(pid_t pid, std::string_view field);

}  // namespace bench
