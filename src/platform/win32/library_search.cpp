#include "platform/win32/library_search.h"

#include "platform/system_folder.h"
#include "platform/win32/entry_point.h"

namespace win32 {

namespace {

using SetDefaultDllDirectoriesFn = BOOL(WINAPI*)(DWORD);

SetDefaultDllDirectoriesFn set_default_dll_directories() {
  return entry_point<SetDefaultDllDirectoriesFn>(::GetModuleHandleA("kernel32.dll"), "SetDefaultDllDirectories");
}

// The LOAD_LIBRARY_SEARCH_* flags came with the same loader update as the
// call; where one is there, so are the others.
bool search_flags_available() {
  static const bool available = set_default_dll_directories() != nullptr;
  return available;
}

}  // namespace

bool restrict_library_search() {
  auto set = set_default_dll_directories();
  return set && set(LOAD_LIBRARY_SEARCH_SYSTEM32) != FALSE;
}

HMODULE load_library(const char* full_path) {
  if (!full_path) return nullptr;
  return ::LoadLibraryExA(full_path, nullptr,
                          search_flags_available() ? LOAD_LIBRARY_SEARCH_SYSTEM32 : LOAD_WITH_ALTERED_SEARCH_PATH);
}

UniqueModule load_system_library(plat::Platform& os, std::string_view file_name) {
  const std::string path = plat::system_file(os, file_name);
  return UniqueModule(path.empty() ? nullptr : load_library(path.c_str()));
}

}  // namespace win32
