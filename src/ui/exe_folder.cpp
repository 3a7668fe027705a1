#include "ui/exe_folder.h"

#include "platform/platform.h"

namespace ui {

std::string folder_of(std::string_view path) {
  std::size_t cut = path.find_last_of("\\:");
  return cut == std::string_view::npos ? std::string() : std::string(path.substr(0, cut + 1));
}

std::string exe_folder() {
  // MAX_PATH is the limit of the A functions the program names files with.
  char buffer[261] = {};
  plat::DWORD n = plat::os().GetModuleFileNameA(0, buffer, 260);
  if (n == 0 || n >= 260) return {};
  return folder_of(std::string_view(buffer, n));
}

}  // namespace ui
