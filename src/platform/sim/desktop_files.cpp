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

DWORD Desktop::GetTempPathA(DWORD size, char* buffer) {
  const auto length = static_cast<DWORD>(temp_path_.size());
  // Too small: the size needed, terminating zero included, and no copy.
  if (!buffer || size <= length) return length + 1;
  std::memcpy(buffer, temp_path_.c_str(), length + 1);
  return length;
}

// Like GetTempPathA: the length without the terminating zero, or the size
// needed, zero included, when the buffer is too small.
UINT Desktop::GetSystemDirectoryA(char* buffer, UINT size) {
  const auto length = static_cast<UINT>(system_folder_.size());
  if (!buffer || size <= length) return length + 1;
  std::memcpy(buffer, system_folder_.c_str(), length + 1);
  return length;
}

DWORD Desktop::GetModuleFileNameA(HMODULE module, char* buffer, DWORD size) {
  std::string path = exe_path_;
  if (module != 0) {
    const std::string name = modules_.name_of(module);
    if (name.starts_with("module#")) {
      fail(ERROR_MOD_NOT_FOUND);
      return 0;
    }
    path = system_folder_ + "\\" + name;
  }
  if (!buffer || size == 0) {
    fail(ERROR_INSUFFICIENT_BUFFER);
    return 0;
  }
  // Cut to fit, still terminated, with the full size returned.
  if (path.size() >= size) {
    std::memcpy(buffer, path.data(), size - 1);
    buffer[size - 1] = '\0';
    fail(ERROR_INSUFFICIENT_BUFFER);
    return size;
  }
  std::memcpy(buffer, path.c_str(), path.size() + 1);
  return static_cast<DWORD>(path.size());
}

// The size goes in as the buffer's and comes out as the name's, both
// counting the terminating zero; too small a buffer fails with
// ERROR_INSUFFICIENT_BUFFER and the size needed.
BOOL Desktop::GetUserNameA(char* buffer, DWORD* size) {
  if (!size) {
    fail(ERROR_INVALID_PARAMETER);
    return FALSE;
  }
  if (!user_name_) {
    fail(user_name_.error());
    return FALSE;
  }
  const auto needed = static_cast<DWORD>(user_name_->size() + 1);
  if (!buffer || *size < needed) {
    *size = needed;
    fail(ERROR_INSUFFICIENT_BUFFER);
    return FALSE;
  }
  std::memcpy(buffer, user_name_->c_str(), needed);
  *size = needed;
  return TRUE;
}

UINT Desktop::WinExec(const char* command_line, UINT show) {
  const std::string cmd = command_line ? command_line : "";
  execs_.push_back({cmd, show});
  // Above 31 is success.
  return exec_handler_ ? exec_handler_(cmd, show) : 33;
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
