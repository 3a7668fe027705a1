// Reading string values from the registry. Keys cross the seam as
// integers; the caller closes them with RegCloseKey.
#include <string>

#include "platform/win32/win32_platform.h"
#include "platform/win32/win32_headers.h"

namespace win32 {

namespace {

HKEY to_hkey(std::uintptr_t key) { return reinterpret_cast<HKEY>(key); }

HKEY root_key(plat::RegistryRoot root) {
  return root == seam::kLocalMachine ? HKEY_LOCAL_MACHINE : HKEY_CURRENT_USER;
}

}  // namespace

plat::LONG Win32Platform::RegOpenKeyExA(plat::RegistryRoot root, const char* subkey, std::uintptr_t* key) {
  HKEY opened = nullptr;
  const LONG status = ::RegOpenKeyExA(root_key(root), subkey, 0, KEY_READ, &opened);
  *key = status == ERROR_SUCCESS ? reinterpret_cast<std::uintptr_t>(opened) : 0;
  return static_cast<plat::LONG>(status);
}

plat::LONG Win32Platform::RegQueryStringA(std::uintptr_t key, const char* value, std::string* out) {
  // The value may grow between asking its size and reading it; ask again then.
  for (;;) {
    DWORD type = 0;
    DWORD size = 0;
    LONG status = ::RegQueryValueExA(to_hkey(key), value, nullptr, &type, nullptr, &size);
    if (status != ERROR_SUCCESS) return static_cast<plat::LONG>(status);
    if (type != REG_SZ && type != REG_EXPAND_SZ) return ERROR_UNSUPPORTED_TYPE;
    // One byte more than stored: a value written without its terminator
    // still reads as a proper string.
    std::string buffer(size + 1, '\0');
    DWORD got = size;
    status = ::RegQueryValueExA(to_hkey(key), value, nullptr, &type, reinterpret_cast<BYTE*>(buffer.data()), &got);
    if (status == ERROR_MORE_DATA) continue;
    if (status != ERROR_SUCCESS) return static_cast<plat::LONG>(status);
    buffer.resize(got);
    if (auto end = buffer.find('\0'); end != std::string::npos) buffer.resize(end);
    *out = std::move(buffer);
    return ERROR_SUCCESS;
  }
}

plat::LONG Win32Platform::RegCloseKey(std::uintptr_t key) {
  return static_cast<plat::LONG>(::RegCloseKey(to_hkey(key)));
}

}  // namespace win32
