// Processes, time, modules and the last error.
#include "platform/win32/convert.h"
#include "platform/win32/entry_point.h"
#include "platform/win32/library_search.h"
#include "platform/win32/win32_platform.h"

namespace win32 {

plat::DWORD Win32Platform::GetTempPathA(plat::DWORD size, char* buffer) { return ::GetTempPathA(size, buffer); }

plat::UINT Win32Platform::WinExec(const char* command_line, plat::UINT show) {
  return ::WinExec(command_line, show);
}

void Win32Platform::Sleep(plat::DWORD ms) { ::Sleep(ms); }

plat::DWORD Win32Platform::GetTickCount() { return ::GetTickCount(); }

void Win32Platform::GetLocalTime(plat::SYSTEMTIME* time) {
  ::SYSTEMTIME t{};
  ::GetLocalTime(&t);
  *time = {t.wYear, t.wMonth, t.wDayOfWeek, t.wDay, t.wHour, t.wMinute, t.wSecond, t.wMilliseconds};
}

// Callers name libraries by full path (system_folder.h); their
// dependencies come from the system folder too.
plat::HMODULE Win32Platform::LoadLibraryA(const char* name) { return from_hmodule(load_library(name)); }

plat::UINT Win32Platform::GetSystemDirectoryA(char* buffer, plat::UINT size) {
  return ::GetSystemDirectoryA(buffer, size);
}

plat::FARPROC Win32Platform::GetProcAddress(plat::HMODULE module, const char* name) {
  // The seam's FARPROC is void(*)(), the one type any function pointer may
  // be cast through without -Wcast-function-type objecting.
  return reinterpret_cast<plat::FARPROC>(::GetProcAddress(to_hmodule(module), name));
}

plat::BOOL Win32Platform::FreeLibrary(plat::HMODULE module) { return ::FreeLibrary(to_hmodule(module)); }

plat::DWORD Win32Platform::GetModuleFileNameA(plat::HMODULE module, char* buffer, plat::DWORD size) {
  return ::GetModuleFileNameA(to_hmodule(module), buffer, size);
}

plat::DWORD Win32Platform::GetLastError() { return ::GetLastError(); }

plat::DWORD Win32Platform::os_major_version() {
  // GetVersionExA reports the version the manifest claims to know, not the
  // system's; ntdll's RtlGetVersion tells the truth.
  using RtlGetVersion = LONG(WINAPI*)(OSVERSIONINFOW*);
  auto rtl_get_version = entry_point<RtlGetVersion>(::GetModuleHandleA("ntdll.dll"), "RtlGetVersion");
  if (!rtl_get_version) return LOBYTE(LOWORD(::GetVersion()));
  OSVERSIONINFOW info{};
  info.dwOSVersionInfoSize = sizeof info;
  rtl_get_version(&info);
  return info.dwMajorVersion;
}

plat::BOOL Win32Platform::GetUserNameA(char* buffer, plat::DWORD* size) {
  DWORD n = *size;
  const BOOL ok = ::GetUserNameA(buffer, &n);
  *size = static_cast<plat::DWORD>(n);
  return ok;
}

}  // namespace win32
