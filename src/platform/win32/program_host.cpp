#include "platform/win32/program_host.h"

#include "platform/win32/library_search.h"
#include "platform/win32/win32_platform.h"
#include "platform/win32/win32_headers.h"

namespace win32 {

int host_program(int (*program)()) {
  // Before the platform loads anything: where the system lacks the call the
  // libraries still come by full path, with their own folder searched first.
  restrict_library_search();
  Win32Platform platform;
  plat::set_os(&platform);
  const int exit_code = program();
  plat::set_os(nullptr);
  return exit_code;
}

}  // namespace win32
