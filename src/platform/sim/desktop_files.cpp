// Files, folders and the calls that hand out paths and names, with
// Win32's buffer-size conventions.
#include <cstring>

#include "platform/sim/desktop.h"

namespace sim {
DWORD Desktop::GetFileAttributesA(const char* path) {
  const std::string p = path ? path : "";
  const auto attributes = files_.attributes(p);
  if (!attributes) {
    fail(attributes.error());
    return plat::INVALID_FILE_ATTRIBUTES;
  }
  return *attributes;
}

BOOL Desktop::CreateDirectoryA(const char* path) {
  const std::string p = path ? path : "";
  const DWORD error = files_.create_directory(p);
  if (error) {
    fail(error);
    return FALSE;
  }
  return TRUE;
}

BOOL Desktop::CopyFileA(const char* from, const char* to, BOOL fail_if_exists) {
  const std::string f = from ? from : "";
  const std::string t = to ? to : "";
  const DWORD error = files_.copy_file(f, t, fail_if_exists != 0);
  if (error) {
    fail(error);
    return FALSE;
  }
  return TRUE;
}

std::optional<std::vector<std::uint8_t>> Desktop::read_file(const char* path) {
  const std::string p = path ? path : "";
  auto bytes = files_.read(p);
  if (!bytes) {
    fail(bytes.error());
    return std::nullopt;
  }
  return std::move(*bytes);
}

LONG Desktop::RegOpenKeyExA(plat::RegistryRoot root, const char* subkey, std::uintptr_t* key) {
  const std::string k = subkey ? subkey : "";
  return registry_.open(root, k, key);
}

LONG Desktop::RegQueryStringA(std::uintptr_t key, const char* value, std::string* out) {
  const std::string v = value ? value : "";
  return registry_.query_string(key, v, out);
}

LONG Desktop::RegCloseKey(std::uintptr_t key) {
  return registry_.close(key);
}

}  // namespace sim
