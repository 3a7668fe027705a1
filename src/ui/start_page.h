// The local start page beside the executable, as the browser control is
// sent to it: by the browser frame when it is created and by the icon
// bar's Start icon.
#pragma once

#include <string>
#include <string_view>

namespace ui {

// "file:///" + the folder with every "\" turned into "/" + "menu\index.htm".
// Nothing is escaped and the start page's own backslash stays: the control
// takes the URL as it is, so a space or a letter outside ASCII in the
// folder reaches it unchanged. In and out in the system's ANSI code page.
std::string start_page_url_for(std::string_view exe_folder);

// The start page URL of the running executable, wide, as the control takes it.
std::u16string start_page_url();

}  // namespace ui
