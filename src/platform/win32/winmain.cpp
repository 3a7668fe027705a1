// The exe's entry: the real platform under the platform-neutral program.
#include "app/run.h"
#include "platform/win32/win32_platform.h"
#include "platform/win32/win32_headers.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  win32::Win32Platform platform;
  plat::set_os(&platform);
  const int exit_code = app::run();
  plat::set_os(nullptr);
  return exit_code;
}
