// The exe's own RCDATA resources, and OLE on the program's thread.
#include <string>

#include "platform/win32/win32_platform.h"
#include "platform/win32/win32_headers.h"

#include <ole2.h>

namespace win32 {

std::optional<std::vector<std::uint8_t>> Win32Platform::load_resource(std::string_view name) {
  const std::string id(name);
  HRSRC found = ::FindResourceA(nullptr, id.c_str(), RT_RCDATA);
  if (!found) return {};
  HGLOBAL loaded = ::LoadResource(nullptr, found);
  // Resources live as long as the module: nothing here is freed.
  const auto* bytes = static_cast<const std::uint8_t*>(loaded ? ::LockResource(loaded) : nullptr);
  if (!bytes) return {};
  return std::vector<std::uint8_t>(bytes, bytes + ::SizeofResource(nullptr, found));
}

plat::HRESULT Win32Platform::OleInitialize() { return ::OleInitialize(nullptr); }

void Win32Platform::OleUninitialize() { ::OleUninitialize(); }

}  // namespace win32
