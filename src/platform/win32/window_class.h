// Window classes of the product, registered on first use of each name.
#pragma once

#include <string>

namespace win32 {

// The class of ordinary forms when a window asks for none.
inline constexpr char kFormClass[] = "SlatebarForm";

// Registers the class once per process with the one window procedure;
// false (last error set) if the system refused.
bool ensure_window_class(const std::string& name);

}  // namespace win32
