// Files and folders.
#include <expected>
#include <limits>

#include "platform/win32/handles.h"
#include "platform/win32/win32_platform.h"

namespace win32 {

namespace {

// Anything the program reads (designs, pictures, settings) is small; a
// bigger file is a wrong path, and refusing it beats a huge allocation.
constexpr LONGLONG kMaxReadBytes = 256LL * 1024 * 1024;

std::expected<std::vector<std::uint8_t>, DWORD> read_whole(const char* path) {
  UniqueFile file(::CreateFileA(path, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file) return std::unexpected(::GetLastError());
  LARGE_INTEGER size{};
  if (!::GetFileSizeEx(file.get(), &size)) return std::unexpected(::GetLastError());
  if (size.QuadPart > kMaxReadBytes) return std::unexpected(DWORD{ERROR_FILE_TOO_LARGE});

  std::vector<std::uint8_t> bytes(static_cast<std::size_t>(size.QuadPart));
  std::size_t done = 0;
  while (done < bytes.size()) {
    DWORD got = 0;
    const auto want = static_cast<DWORD>(bytes.size() - done);
    if (!::ReadFile(file.get(), bytes.data() + done, want, &got, nullptr)) return std::unexpected(::GetLastError());
    if (got == 0) break;  // the file shrank since it was measured
    done += got;
  }
  bytes.resize(done);
  return bytes;
}

}  // namespace

std::optional<std::vector<std::uint8_t>> Win32Platform::read_file(const char* path) {
  auto bytes = read_whole(path);
  // Set after the handle is closed, which may itself touch the last error.
  if (!bytes) {
    ::SetLastError(bytes.error());
    return {};
  }
  return std::move(*bytes);
}

plat::BOOL Win32Platform::CopyFileA(const char* from, const char* to, plat::BOOL fail_if_exists) {
  return ::CopyFileA(from, to, fail_if_exists);
}

plat::DWORD Win32Platform::GetFileAttributesA(const char* path) { return ::GetFileAttributesA(path); }

plat::BOOL Win32Platform::CreateDirectoryA(const char* path) { return ::CreateDirectoryA(path, nullptr); }

}  // namespace win32
