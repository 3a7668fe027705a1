// The folder of the running executable. Every file the program reads or
// writes is named relative to it, never to the current directory, which
// a shortcut or another program may have set anywhere.
#pragma once

#include <string>
#include <string_view>

namespace ui {

// Everything of the executable's full path up to and including the last
// "\" or ":", so it ends in a separator (empty if the path is unknown).
std::string exe_folder();
// The folder part of a full path by the same rule.
std::string folder_of(std::string_view path);

}  // namespace ui
