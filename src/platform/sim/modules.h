// Loadable modules and their entries. A test (or a fake built on the
// desktop, such as the compositor's) registers a module with C functions
// of the real signatures; LoadLibraryA finds it by name without regard to
// case, with or without ".dll", and GetProcAddress finds entries by their
// exact, case-sensitive export name, as Windows does.
#pragma once

#include <initializer_list>
#include <map>
#include <string>
#include <string_view>
#include <utility>
#include <vector>
#include <expected>

#include "platform/sim/types.h"

namespace sim {

using ModuleEntries = std::vector<std::pair<std::string, plat::FARPROC>>;

// Casts a function pointer of any signature to the FARPROC GetProcAddress
// hands out.
template <class F>
plat::FARPROC entry_point(F* fn) {
  return reinterpret_cast<plat::FARPROC>(fn);
}

class Modules {
 public:
  // ---- test side ---------------------------------------------------------
  void add(std::string_view name, ModuleEntries entries);
  // Later loads fail with ERROR_MOD_NOT_FOUND; a loaded copy stays loaded.
  void remove(std::string_view name);
  void set_entry(std::string_view module, std::string_view entry, plat::FARPROC proc);
  void remove_entry(std::string_view module, std::string_view entry);
  // Reference count of a loaded module; 0 when not loaded.
  int references(std::string_view name) const;

  // ---- the calls ----------------------------------------------------------
  std::expected<HMODULE, DWORD> load(std::string_view name);
  std::expected<plat::FARPROC, DWORD> lookup(HMODULE module, std::string_view entry) const;
  DWORD free(HMODULE module);  // 0 on success

  // The canonical file name ("DWMAPI.DLL") of a name or a handle.
  static std::string canonical(std::string_view name);
  std::string name_of(HMODULE module) const;

 private:
  struct Module {
    std::string file;  // as registered, for GetModuleFileNameA
    std::map<std::string, plat::FARPROC> entries;
    HMODULE handle = 0;
    int references = 0;
    bool present = true;
  };
  Module* by_handle(HMODULE module);
  const Module* by_handle(HMODULE module) const;
  std::map<std::string, Module> modules_;  // canonical name
  HMODULE next_base_ = 0x6E000000;
};

}  // namespace sim
