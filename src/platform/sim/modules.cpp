#include "platform/sim/modules.h"

namespace sim {

std::string Modules::canonical(std::string_view name) {
  const std::size_t slash = name.find_last_of("\\/");
  std::string file(slash == std::string_view::npos ? name : name.substr(slash + 1));
  for (char& c : file) {
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  }
  // A name without an extension gets ".DLL"; a trailing dot means none.
  if (file.find('.') == std::string::npos) {
    file += ".DLL";
  } else if (file.back() == '.') {
    file.pop_back();
  }
  return file;
}

void Modules::add(std::string_view name, ModuleEntries entries) {
  Module& m = modules_[canonical(name)];
  m.file = std::string(name);
  m.present = true;
  m.entries.clear();
  for (auto& [entry, proc] : entries) m.entries[entry] = proc;
  if (m.handle == 0) {
    m.handle = next_base_;
    next_base_ += 0x10000;
  }
}

void Modules::remove(std::string_view name) {
  auto it = modules_.find(canonical(name));
  if (it != modules_.end()) it->second.present = false;
}

void Modules::set_entry(std::string_view module, std::string_view entry, plat::FARPROC proc) {
  auto it = modules_.find(canonical(module));
  if (it != modules_.end()) it->second.entries[std::string(entry)] = proc;
}

void Modules::remove_entry(std::string_view module, std::string_view entry) {
  auto it = modules_.find(canonical(module));
  if (it != modules_.end()) it->second.entries.erase(std::string(entry));
}

int Modules::references(std::string_view name) const {
  auto it = modules_.find(canonical(name));
  return it == modules_.end() ? 0 : it->second.references;
}

std::expected<HMODULE, DWORD> Modules::load(std::string_view name) {
  auto it = modules_.find(canonical(name));
  if (it == modules_.end()) return std::unexpected(ERROR_MOD_NOT_FOUND);
  Module& m = it->second;
  if (!m.present && m.references == 0) return std::unexpected(ERROR_MOD_NOT_FOUND);
  ++m.references;
  return m.handle;
}

Modules::Module* Modules::by_handle(HMODULE module) {
  for (auto& [name, m] : modules_) {
    if (m.handle == module && m.references > 0) return &m;
  }
  return nullptr;
}

const Modules::Module* Modules::by_handle(HMODULE module) const {
  for (const auto& [name, m] : modules_) {
    if (m.handle == module && m.references > 0) return &m;
  }
  return nullptr;
}

std::expected<plat::FARPROC, DWORD> Modules::lookup(HMODULE module, std::string_view entry) const {
  const Module* m = by_handle(module);
  if (!m) return std::unexpected(ERROR_MOD_NOT_FOUND);
  auto it = m->entries.find(std::string(entry));
  if (it == m->entries.end() || it->second == nullptr) return std::unexpected(ERROR_PROC_NOT_FOUND);
  return it->second;
}

DWORD Modules::free(HMODULE module) {
  Module* m = by_handle(module);
  if (!m) return ERROR_MOD_NOT_FOUND;
  --m->references;
  return 0;
}

std::string Modules::name_of(HMODULE module) const {
  for (const auto& [name, m] : modules_) {
    if (m.handle == module) return name;
  }
  return "module#" + std::to_string(module);
}

}  // namespace sim
