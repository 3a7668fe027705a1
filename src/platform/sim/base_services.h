// The simulated desktop's base services: where the exe stands, the user's
// name, the temporary and system folders, the code page, the programs
// started (WinExec, answered by a test's handler), COM's and GDI+'s
// start-up, and cursors. Each call fails as its Win32 namesake does,
// leaving its error as the desktop's last error.
#pragma once

#include <expected>
#include <functional>
#include <map>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "platform/sim/file_system.h"
#include "platform/sim/modules.h"
#include "platform/sim/types.h"

namespace sim {

struct ExecRecord {
  std::string command_line;
  UINT show = 0;
};

class BaseServices {
 public:
  // Puts the exe and the temporary folder in `files`, at their defaults.
  BaseServices(FileSystem& files, const Modules& modules, DWORD& last_error);
  BaseServices(const BaseServices&) = delete;
  BaseServices& operator=(const BaseServices&) = delete;

  // ---- what a test sets ---------------------------------------------------------
  void set_exe_path(std::string path);
  const std::string& exe_path() const { return exe_path_; }
  void set_temp_path(std::string path);
  void set_user_name(std::string name) { user_name_ = std::move(name); }
  // GetUserNameA fails with `error` until a name is set again.
  void fail_user_name(DWORD error) { user_name_ = std::unexpected(error); }
  // The process's code page: Windows-1252 unless set to UTF-8, as the
  // manifest makes it from Windows 10 1903 on. Names and titles are given in it.
  void set_utf8_code_page(bool on) { utf8_code_page_ = on; }
  void set_os_major_version(DWORD major) { os_major_ = major; }
  // GetSystemDirectoryA's answer; empty makes it fail.
  void set_system_folder(std::string folder) { system_folder_ = std::move(folder); }
  // Runs instead of the started program (may write files, etc.); returns
  // WinExec's result.
  void on_exec(std::function<UINT(std::string_view command_line, UINT show)> handler) {
    exec_handler_ = std::move(handler);
  }

  // ---- what a test reads -----------------------------------------------------------
  const std::vector<ExecRecord>& execs() const { return execs_; }
  int com_depth() const { return com_depth_; }
  bool gdiplus_running() const { return !gdiplus_tokens_.empty(); }
  bool gdiplus_token_live(std::uintptr_t token) const { return gdiplus_tokens_.contains(token); }
  std::string cursor_name(HCURSOR cursor) const;
  // The shared handle of a system cursor, made on its first use.
  HCURSOR system_cursor(int id);

  // ---- the platform's calls -----------------------------------------------------------
  DWORD GetTempPathA(DWORD size, char* buffer);
  UINT GetSystemDirectoryA(char* buffer, UINT size);
  DWORD GetModuleFileNameA(HMODULE module, char* buffer, DWORD size);
  BOOL GetUserNameA(char* buffer, DWORD* size);
  UINT WinExec(const char* command_line, UINT show);
  DWORD os_major_version() const { return os_major_; }
  std::u16string ansi_to_utf16(std::string_view text);
  std::string utf16_to_ansi(std::u16string_view text);
  HRESULT OleInitialize();
  void OleUninitialize();
  std::uintptr_t GdiplusStartup();
  void GdiplusShutdown(std::uintptr_t token);
  HCURSOR LoadCursorA(HMODULE module, int id);
  BOOL DestroyCursor(HCURSOR cursor);
  HCURSOR create_toolkit_hand_cursor();

 private:
  void fail(DWORD error) { last_error_ = error; }

  FileSystem& files_;
  const Modules& modules_;
  DWORD& last_error_;
  std::string exe_path_;
  std::string temp_path_;
  std::string system_folder_ = "C:\\Windows\\system32";
  std::expected<std::string, DWORD> user_name_ = std::string("user");
  bool utf8_code_page_ = false;
  DWORD os_major_ = 10;
  std::function<UINT(std::string_view, UINT)> exec_handler_;
  std::vector<ExecRecord> execs_;
  int com_depth_ = 0;
  std::set<std::uintptr_t> gdiplus_tokens_;
  std::uintptr_t next_gdiplus_token_ = 0x6D10;
  std::map<HCURSOR, std::string> cursors_;
  HCURSOR next_cursor_ = 0x00020A10;
};

}  // namespace sim
