// The last line of cleanup. Owners (ChildProcess, WinePrefix, Xvfb) end
// their processes in order when they go; this guard does the same when the
// harness is interrupted or exits without unwinding: every tracked Wine
// client by its id (newest first), then the prefix's wineserver, then the
// X server last. It never looks processes up by name.
#pragma once

#include <sys/types.h>

#include <string>
#include <vector>

namespace e2e::cleanup {

void track(pid_t pid);
void untrack(pid_t pid);

// The commands that end the prefix's server ("wineserver -k", then "-w").
void set_server_stop(std::vector<std::vector<std::string>> commands, std::vector<std::string> env);
void clear_server_stop();

// The X server, ended last.
void set_display_server(pid_t pid);
void clear_display_server();

// Installs the signal handlers and the exit hook; harmless to call twice.
void install();

// Runs the whole sequence now; async-signal-safe.
void run_now();

}  // namespace e2e::cleanup
