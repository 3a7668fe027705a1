// The exe's entry: the real platform under the platform-neutral program.
#include "app/run.h"
#include "platform/win32/library_search.h"
#include "platform/win32/win32_platform.h"
#include "platform/win32/win32_headers.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  // Before the platform loads anything: where the system lacks the call the
  // libraries still come by full path, with their own folder searched first.
  win32::restrict_library_search();
  win32::Win32Platform platform;
  plat::set_os(&platform);
  const int exit_code = app::run();
  plat::set_os(nullptr);
  return exit_code;
}
