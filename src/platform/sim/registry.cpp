#include "platform/sim/registry.h"

#include "platform/sim/names.h"

namespace sim {

std::string Registry::normalize(std::string_view key) {
  std::string out;
  for (char c : key) {
    if (c == '/') c = '\\';
    if (c == '\\' && (out.empty() || out.back() == '\\')) continue;
    out += c;
  }
  while (!out.empty() && out.back() == '\\') out.pop_back();
  return upper(out);
}

void Registry::add_key(plat::RegistryRoot root, std::string_view key) {
  std::string path = normalize(key);
  for (;;) {
    keys_[{root, path}];
    const std::size_t cut = path.rfind('\\');
    if (path.empty()) break;
    path = cut == std::string::npos ? std::string() : path.substr(0, cut);
  }
}

void Registry::set_string(plat::RegistryRoot root, std::string_view key, std::string_view value,
                          std::string_view data) {
  add_key(root, key);
  keys_[{root, normalize(key)}].values[upper(value)] = std::string(data);
}

void Registry::remove_key(plat::RegistryRoot root, std::string_view key) {
  const std::string path = normalize(key);
  std::erase_if(keys_, [&](const auto& e) {
    return e.first.first == root && (e.first.second == path || e.first.second.starts_with(path + "\\"));
  });
}

void Registry::refuse_key(plat::RegistryRoot root, std::string_view key, DWORD error) {
  add_key(root, key);
  keys_[{root, normalize(key)}].refused = error;
}

LONG Registry::open(plat::RegistryRoot root, std::string_view subkey, std::uintptr_t* handle) {
  if (!handle) return static_cast<LONG>(ERROR_INVALID_PARAMETER);
  KeyId id{root, normalize(subkey)};
  auto it = keys_.find(id);
  if (it == keys_.end()) return static_cast<LONG>(ERROR_FILE_NOT_FOUND);
  if (it->second.refused) return static_cast<LONG>(*it->second.refused);
  next_handle_ += 4;
  handles_[next_handle_] = std::move(id);
  *handle = next_handle_;
  return plat::ERROR_SUCCESS;
}

LONG Registry::query_string(std::uintptr_t handle, std::string_view value, std::string* out) const {
  auto h = handles_.find(handle);
  if (h == handles_.end()) return static_cast<LONG>(ERROR_INVALID_HANDLE);
  auto k = keys_.find(h->second);
  // The key was deleted while open: Windows reports it as gone.
  if (k == keys_.end()) return 1018;  // ERROR_KEY_DELETED
  auto v = k->second.values.find(upper(value));
  if (v == k->second.values.end()) return static_cast<LONG>(ERROR_FILE_NOT_FOUND);
  if (out) *out = v->second;
  return plat::ERROR_SUCCESS;
}

LONG Registry::close(std::uintptr_t handle) {
  return handles_.erase(handle) ? plat::ERROR_SUCCESS : static_cast<LONG>(ERROR_INVALID_HANDLE);
}

std::string Registry::describe(plat::RegistryRoot root, std::string_view key) {
  std::string out = root == plat::RegistryRoot::HKEY_CURRENT_USER ? "HKCU" : "HKLM";
  if (!key.empty()) out += "\\" + std::string(key);
  return out;
}

std::string Registry::describe(std::uintptr_t handle) const {
  auto h = handles_.find(handle);
  if (h == handles_.end()) return "key#" + std::to_string(handle);
  return describe(h->second.first, h->second.second);
}

}  // namespace sim
