// The end-to-end helper: one small Windows program that the harness runs
// in the test prefix, either as a foreign window or to report what only
// the Windows side can see (window classes, a box's texts, handle counts).
// Every command writes plain tab-separated lines to stdout, one fact a
// line, and exits 0 when it found what it was asked for.
#pragma once

#include <span>
#include <string_view>

namespace helper {

enum Exit : int { kOk = 0, kNotFound = 1, kUsage = 2, kFailed = 3 };

int run_window(std::span<char*> args);
int run_list(std::span<char*> args);
int run_dialog(std::span<char*> args);
int run_close_class(std::span<char*> args);
int run_resources(std::span<char*> args);
int run_live(std::span<char*> args);
int run_msgbox(std::span<char*> args);
int run_show(std::span<char*> args);
int run_redraw(std::span<char*> args);

// Printing with an immediate flush: the harness reads these lines while
// the helper is still running, through a pipe that stdio would buffer.
void emit(const char* format, ...) __attribute__((format(printf, 1, 2)));

}  // namespace helper
