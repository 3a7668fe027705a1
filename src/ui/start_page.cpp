#include "ui/start_page.h"

#include <algorithm>

#include "platform/platform.h"
#include "ui/exe_folder.h"

namespace ui {

namespace {

constexpr std::string_view kScheme = "file:///";
constexpr std::string_view kStartPage = "menu\\index.htm";

}  // namespace

std::string start_page_url_for(std::string_view exe_folder) {
  std::string folder(exe_folder);
  std::replace(folder.begin(), folder.end(), '\\', '/');
  std::string url;
  url.reserve(kScheme.size() + folder.size() + kStartPage.size());
  url.append(kScheme).append(folder).append(kStartPage);
  return url;
}

std::u16string start_page_url() { return plat::os().ansi_to_utf16(start_page_url_for(ui::exe_folder())); }

}  // namespace ui
