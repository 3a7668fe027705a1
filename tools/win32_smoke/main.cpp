#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <exception>

#include "platform/win32/library_search.h"
#include "smoke.h"

namespace smoke {

void Report::check(std::string name, bool ok, std::string detail) {
  std::printf("%-44s %s%s%s\n", name.c_str(), ok ? "ok" : "FAIL", detail.empty() ? "" : "  ", detail.c_str());
  std::fflush(stdout);
  lines_.push_back({std::move(name), ok, std::move(detail)});
}

int Report::failures() const {
  int n = 0;
  for (const Line& line : lines_) n += line.ok ? 0 : 1;
  return n;
}

void Report::print() const {
  const int failed = failures();
  std::printf("%d passed, %d failed\n", static_cast<int>(lines_.size()) - failed, failed);
}

}  // namespace smoke

// win32_smoke [--hold MS]: MS is how long the window and the message box
// stay up, for a screenshot (default 300).
int main(int argc, char** argv) {
  unsigned hold_ms = 300;
  for (int i = 1; i + 1 < argc; ++i) {
    if (std::strcmp(argv[i], "--hold") == 0) hold_ms = static_cast<unsigned>(std::atoi(argv[i + 1]));
  }
  // As the program's entry does, before anything is loaded.
  const bool search_restricted = win32::restrict_library_search();
  win32::Win32Platform os;
  smoke::Report report;
  try {
    smoke::check_libraries(os, search_restricted, report);
    smoke::check_services(os, report);
    smoke::check_text(os, report);
    smoke::check_keys(os, report);
    smoke::check_focus(os, report);
    smoke::check_live_objects(os, report);
    smoke::check_windows(os, report, hold_ms);
  } catch (const std::exception& e) {
    report.check("no stray exception", false, e.what());
  }
  report.print();
  return report.failures() == 0 ? 0 : 1;
}
