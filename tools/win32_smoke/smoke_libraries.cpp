// Where the libraries come from: the search restricted to the system
// folder before the first load, and every library the program loads at run
// time taken from there although run-smoke put a DLL of the same name
// beside this exe.
#include <cctype>
#include <string>

#include "platform/system_folder.h"
#include "platform/win32/win32_headers.h"
#include "smoke.h"

namespace smoke {

namespace {

std::string lower(std::string s) {
  for (char& c : s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return s;
}

std::string folder_of(const std::string& path) { return path.substr(0, path.find_last_of('\\') + 1); }

std::string exe_folder() {
  char self[MAX_PATH] = {};
  ::GetModuleFileNameA(nullptr, self, MAX_PATH);
  return folder_of(self);
}

// The file a loaded module came from, or empty when none of that name is loaded.
std::string loaded_from(const char* name) {
  HMODULE module = ::GetModuleHandleA(name);
  char path[MAX_PATH] = {};
  if (!module || !::GetModuleFileNameA(module, path, MAX_PATH)) return {};
  return path;
}

void check_loaded_from_system(const char* name, const std::string& system, Report& r) {
  const std::string from = loaded_from(name);
  const bool planted = ::GetProcAddress(::GetModuleHandleA(name), "slatebar_planted") != nullptr;
  r.check(std::string(name) + " comes from the system folder",
          !from.empty() && lower(folder_of(from)) == lower(system) && !planted, from.empty() ? "(not loaded)" : from);
}

}  // namespace

void check_libraries(win32::Win32Platform& os, bool search_restricted, Report& r) {
  r.check("SetDefaultDllDirectories before the first load", search_restricted);
  const std::string here = exe_folder();
  const std::string system = folder_of(plat::system_file(os, "x"));
  const char* planted[] = {"smoke_planted.dll", "uxtheme.dll", "gdiplus.dll", "dwmapi.dll"};
  bool all_planted = true;
  for (const char* name : planted) all_planted &= ::GetFileAttributesA((here + name).c_str()) != INVALID_FILE_ATTRIBUTES;
  r.check("planted DLLs beside the exe", all_planted, here);

  // The process's own search: a bare name is no longer looked for here.
  HMODULE bare = ::LoadLibraryA("smoke_planted.dll");
  r.check("a bare name is not found beside the exe", bare == nullptr, bare ? loaded_from("smoke_planted.dll") : "");
  if (bare) ::FreeLibrary(bare);

  // The program's three run-time libraries, each loaded the way the program
  // loads it.
  os.visual_styles_active();
  check_loaded_from_system("uxtheme.dll", system, r);
  const std::uintptr_t token = os.GdiplusStartup();
  check_loaded_from_system("gdiplus.dll", system, r);
  if (token) os.GdiplusShutdown(token);
  const plat::HMODULE dwmapi = os.LoadLibraryA(plat::system_file(os, "dwmapi.dll").c_str());
  check_loaded_from_system("dwmapi.dll", system, r);
  if (dwmapi) os.FreeLibrary(dwmapi);
}

}  // namespace smoke
