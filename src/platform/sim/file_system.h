// An in-memory Windows file system: drive letters and network shares,
// "\" separators ("/" accepted), names compared without regard to case,
// and Win32's error codes. Faults a test can inject: a folder whose
// creation is refused, a read-only folder (nothing can be created or
// copied into it), a file that exists but cannot be opened.
#pragma once

#include <cstdint>
#include <expected>
#include <filesystem>
#include <map>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "platform/sim/types.h"

namespace sim {

using Bytes = std::vector<std::uint8_t>;

class FileSystem {
 public:
  FileSystem();  // with an empty C:\ drive

  // The absolute form of a path ("C:\A\b.txt", "\\server\share\x"), "." and
  // ".." resolved against the current directory, no trailing separator
  // but on a root; nothing when it cannot be a path.
  std::optional<std::string> full_path(std::string_view path) const;
  void set_current_directory(std::string_view path);
  const std::string& current_directory() const { return cwd_; }

  // ---- the calls the program makes; errors are Win32 codes -------------
  std::expected<DWORD, DWORD> attributes(std::string_view path) const;
  DWORD create_directory(std::string_view path);  // 0 on success
  DWORD copy_file(std::string_view from, std::string_view to, bool fail_if_exists);
  std::expected<Bytes, DWORD> read(std::string_view path) const;

  // ---- test side ---------------------------------------------------------
  // Writes a whole file, making its folders as needed.
  void write_file(std::string_view path, std::span<const std::uint8_t> bytes);
  void write_file(std::string_view path, std::string_view text);
  void make_directories(std::string_view path);
  // Copies a real file in (throws std::runtime_error if it cannot be read).
  void load_host_file(std::string_view path, const std::filesystem::path& host_file);
  // Copies a real folder in, recursively.
  void load_host_tree(std::string_view folder, const std::filesystem::path& host_folder);
  void remove(std::string_view path);  // a file, or a folder with all inside

  bool exists(std::string_view path) const;
  bool is_directory(std::string_view path) const;
  std::optional<Bytes> file_bytes(std::string_view path) const;
  std::vector<std::string> list() const;  // every path, sorted without case

  void refuse_directory(std::string_view path, DWORD error = ERROR_ACCESS_DENIED);
  void make_read_only(std::string_view folder, bool read_only = true);
  void lock_file(std::string_view path, DWORD error = ERROR_SHARING_VIOLATION);
  void unlock_file(std::string_view path);

 private:
  struct Node {
    std::string path;  // in the case it was created with
    bool directory = false;
    Bytes bytes;
    bool read_only = false;             // folders: nothing may be created inside
    std::optional<DWORD> open_error;    // files: exists, cannot be opened
  };
  static std::string key_of(std::string_view full);
  static std::optional<std::string> parent_of(std::string_view full);
  const Node* node(std::string_view full) const;
  Node* node(std::string_view full);
  // ERROR_FILE_NOT_FOUND when the folder exists, ERROR_PATH_NOT_FOUND when not.
  DWORD missing_error(std::string_view full) const;
  std::string must_resolve(std::string_view path) const;

  std::map<std::string, Node> nodes_;
  std::map<std::string, DWORD> refused_;
  std::string cwd_ = "C:\\";
};

}  // namespace sim
