// The Windows backend hosting the program: the exe's entry hands over the
// platform-neutral program entry, so the backend never names the program.
// Declared without <windows.h>, for the entry beside the program's.
#pragma once

namespace win32 {

// Restricts the library search, makes the real platform that of
// plat::os() while `program` runs, and returns its exit code.
int host_program(int (*program)());

}  // namespace win32
