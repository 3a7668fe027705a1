// The process-wide platform pointer behind plat::os(). The backend's entry
// point, or a test, sets it before any form or toolkit code runs.
#include <cstdio>
#include <cstdlib>

#include "platform/platform.h"

namespace plat {
namespace {
Platform* installed = nullptr;
}  // namespace

Platform& os() {
  // Aborting rather than throwing: a throw would be caught by the toolkit's
  // error box around every handler and hide the real fault.
  if (installed == nullptr) {
    std::fputs("plat::os() used before plat::set_os()\n", stderr);
    std::abort();
  }
  return *installed;
}

void set_os(Platform* platform) { installed = platform; }

}  // namespace plat
