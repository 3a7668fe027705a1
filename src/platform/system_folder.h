// Files of the system folder, named by their full path. Libraries loaded
// at run time and programs started by name are looked for first in the
// program's own folder; a file of the same name placed beside the exe
// would be taken instead of the system's. A full path leaves no choice.
#pragma once

#include <string>
#include <string_view>

#include "platform/platform.h"

namespace plat {

// "<system folder>\<file_name>", or empty when the system does not say
// where its folder is (callers then load or start nothing).
inline std::string system_file(Platform& platform, std::string_view file_name) {
  char folder[261] = {};
  const UINT n = platform.GetSystemDirectoryA(folder, sizeof folder);
  // 0 is a failure, and a length that does not fit is the size needed.
  if (n == 0 || n >= sizeof folder) return {};
  std::string path(folder, n);
  if (path.back() != '\\') path += '\\';
  path += file_name;
  return path;
}

inline std::string system_file(std::string_view file_name) { return system_file(os(), file_name); }

}  // namespace plat
