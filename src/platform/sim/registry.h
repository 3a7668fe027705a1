// A read-only registry: string values under HKLM and HKCU key paths,
// compared without regard to case, with Win32's error codes and a fault
// for keys that cannot be read.
#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

#include "platform/sim/types.h"

namespace sim {

class Registry {
 public:
  // ---- test side ---------------------------------------------------------
  // Sets a string value, making the key and its parents. An empty value
  // name is the key's default value.
  void set_string(plat::RegistryRoot root, std::string_view key, std::string_view value, std::string_view data);
  void add_key(plat::RegistryRoot root, std::string_view key);
  void remove_key(plat::RegistryRoot root, std::string_view key);  // with its subkeys
  void refuse_key(plat::RegistryRoot root, std::string_view key, DWORD error = ERROR_ACCESS_DENIED);
  std::size_t open_handles() const { return handles_.size(); }

  // ---- the calls ----------------------------------------------------------
  LONG open(plat::RegistryRoot root, std::string_view subkey, std::uintptr_t* handle);
  LONG query_string(std::uintptr_t handle, std::string_view value, std::string* out) const;
  LONG close(std::uintptr_t handle);

  // "HKCU\Software\X" for logs; the handle's key, or its number.
  std::string describe(std::uintptr_t handle) const;
  static std::string describe(plat::RegistryRoot root, std::string_view key);

 private:
  using KeyId = std::pair<plat::RegistryRoot, std::string>;  // upper-case path
  static std::string normalize(std::string_view key);
  struct Key {
    std::map<std::string, std::string> values;  // upper-case name to data
    std::optional<DWORD> refused;
  };
  std::map<KeyId, Key> keys_;
  std::map<std::uintptr_t, KeyId> handles_;
  std::uintptr_t next_handle_ = 0x1A0;
};

}  // namespace sim
