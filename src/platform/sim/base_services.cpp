// The simulated desktop's base services: the process's own file, user
// and folders, the program started, COM and GDI+ start-up, and cursors.
#include "platform/sim/base_services.h"

#include <cstring>

#include "platform/sim/event_log.h"
#include "platform/sim/text.h"

namespace sim {

BaseServices::BaseServices(FileSystem& files, const Modules& modules, DWORD& last_error)
    : files_(files), modules_(modules), last_error_(last_error) {
  set_exe_path("C:\\Program Files\\Slatebar\\slatebar.exe");
  set_temp_path("C:\\users\\user\\Temp\\");
}

void BaseServices::set_exe_path(std::string path) {
  exe_path_ = std::move(path);
  files_.write_file(exe_path_, std::string_view("MZ"));
  const std::size_t cut = exe_path_.find_last_of('\\');
  if (cut != std::string::npos) files_.set_current_directory(exe_path_.substr(0, cut + 1));
}

void BaseServices::set_temp_path(std::string path) {
  temp_path_ = std::move(path);
  files_.make_directories(temp_path_);
}

DWORD BaseServices::GetTempPathA(DWORD size, char* buffer) {
  const auto length = static_cast<DWORD>(temp_path_.size());
  // Too small: the size needed, terminating zero included, and no copy.
  if (!buffer || size <= length) return length + 1;
  std::memcpy(buffer, temp_path_.c_str(), length + 1);
  return length;
}

// Like GetTempPathA: the length without the terminating zero, or the size
// needed, zero included, when the buffer is too small.
UINT BaseServices::GetSystemDirectoryA(char* buffer, UINT size) {
  const auto length = static_cast<UINT>(system_folder_.size());
  if (!buffer || size <= length) return length + 1;
  std::memcpy(buffer, system_folder_.c_str(), length + 1);
  return length;
}

DWORD BaseServices::GetModuleFileNameA(HMODULE module, char* buffer, DWORD size) {
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
BOOL BaseServices::GetUserNameA(char* buffer, DWORD* size) {
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

UINT BaseServices::WinExec(const char* command_line, UINT show) {
  const std::string cmd = command_line ? command_line : "";
  execs_.push_back({cmd, show});
  // Above 31 is success.
  return exec_handler_ ? exec_handler_(cmd, show) : 33;
}

HRESULT BaseServices::OleInitialize() {
  return com_depth_++ == 0 ? plat::S_OK : plat::S_FALSE;
}

void BaseServices::OleUninitialize() {
  if (com_depth_ > 0) --com_depth_;
}

std::uintptr_t BaseServices::GdiplusStartup() {
  const std::uintptr_t token = next_gdiplus_token_++;
  gdiplus_tokens_.insert(token);
  return token;
}

void BaseServices::GdiplusShutdown(std::uintptr_t token) {
  gdiplus_tokens_.erase(token);
}

// System cursors are shared: one handle per id however often loaded, and
// DestroyCursor leaves them alone. The toolkit's own cursor is new each time.
HCURSOR BaseServices::LoadCursorA(HMODULE module, int id) {
  if (module != 0) {
    fail(ERROR_INVALID_HANDLE);  // the program has no cursor resources
    return 0;
  }
  const HCURSOR cursor = system_cursor(id);
  return cursor;
}

HCURSOR BaseServices::system_cursor(int id) {
  const std::string name = id == plat::IDC_ARROW ? "IDC_ARROW"
                           : id == plat::IDC_HAND ? "IDC_HAND"
                                                  : "cursor " + std::to_string(id);
  for (const auto& [handle, n] : cursors_) {
    if (n == name) return handle;
  }
  const HCURSOR handle = next_cursor_ += 2;
  cursors_[handle] = name;
  return handle;
}

BOOL BaseServices::DestroyCursor(HCURSOR cursor) {
  auto it = cursors_.find(cursor);
  if (it == cursors_.end()) {
    fail(ERROR_INVALID_HANDLE);
    return FALSE;
  }
  if (it->second.starts_with("toolkit")) cursors_.erase(it);
  return TRUE;
}

HCURSOR BaseServices::create_toolkit_hand_cursor() {
  const HCURSOR handle = next_cursor_ += 2;
  cursors_[handle] = "toolkit hand " + std::to_string(handle);
  return handle;
}

std::string BaseServices::cursor_name(HCURSOR cursor) const {
  if (cursor == 0) return "none";
  auto it = cursors_.find(cursor);
  return it == cursors_.end() ? hex32(static_cast<std::uint32_t>(cursor)) : it->second;
}

std::u16string BaseServices::ansi_to_utf16(std::string_view text) {
  return utf8_code_page_ ? utf8_to_utf16(text) : cp1252_to_utf16(text);
}

std::string BaseServices::utf16_to_ansi(std::u16string_view text) {
  return utf8_code_page_ ? utf16_to_utf8(text) : utf16_to_cp1252(text);
}

}  // namespace sim
