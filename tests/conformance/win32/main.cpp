// slatebar_conformance [ROW...]: runs the conformance table (or the rows
// named) on the Windows backend, one row after another, each with its own
// windows, and prints a line per row. Under Wine, a row that Wine itself
// gets wrong is expected to fail and is reported as Wine's, with the test
// of Wine's own suite that shows it; if such a row holds, that is reported
// as a failure, so that the list is kept true. Exit code 0 when every row
// held or failed only as Wine's.
#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

#include "deviations.h"
#include "row.h"
#include "win32/win32_desk.h"
#include "platform/win32/win32_headers.h"

namespace conformance {
namespace {


bool under_wine() {
  const ::HMODULE ntdll = ::GetModuleHandleA("ntdll.dll");
  return ntdll && ::GetProcAddress(ntdll, "wine_get_version");
}

}  // namespace
}  // namespace conformance

int main(int argc, char** argv) {
  using namespace conformance;
  std::vector<const Row*> chosen;
  for (int i = 1; i < argc; ++i) {
    const Row* row = find_row(argv[i]);
    if (!row) {
      std::printf("no row %s\n", argv[i]);
      return 2;
    }
    chosen.push_back(row);
  }
  if (chosen.empty()) {
    for (const Row& row : rows()) chosen.push_back(&row);
  }
  const bool wine = under_wine();
  std::printf("conformance rows: %zu, %s\n", chosen.size(), wine ? "under Wine" : "on Windows");
  std::fflush(stdout);

  win32::Win32Platform os;
  Win32Desk desk(os);
  int held = 0, wines = 0, failed = 0;
  for (const Row* row : chosen) {
    const std::vector<std::string> failures = run_row(*row, desk);
    const auto listed = wine ? wine_deviations().find(row->id) : wine_deviations().end();
    const std::string id(row->id);
    if (listed != wine_deviations().end()) {
      if (failures.empty()) {
        ++failed;
        std::printf("row %s: FAIL, holds under Wine though listed as Wine's\n", id.c_str());
      } else {
        ++wines;
        std::printf("row %s: Wine's (%s)\n", id.c_str(), std::string(listed->second).c_str());
      }
    } else if (failures.empty()) {
      ++held;
      std::printf("row %s: ok\n", id.c_str());
    } else {
      ++failed;
      std::printf("row %s: FAIL\n", id.c_str());
    }
    for (const std::string& f : failures) std::printf("  %s\n", f.c_str());
    std::fflush(stdout);
  }
  std::printf("held %d, Wine's %d, failed %d\n", held, wines, failed);
  return failed == 0 ? 0 : 1;
}
