// Where the system looks for the DLLs the program loads, and for theirs.
// A library loaded by full path still names its own dependencies by module
// name, and the standard search looks for those in the exe's folder first:
// a downloaded folder holding a file of such a name would be loaded into
// the program. The process asks for the system folder alone instead, and
// every library of the program is loaded so that its dependencies come
// from there too.
#pragma once

#include "platform/platform.h"
#include "platform/win32/handles.h"
#include "platform/win32/win32_headers.h"

namespace win32 {

// The program's default search becomes the system folder alone
// (SetDefaultDllDirectories). Windows 8 and later have the call, Windows 7
// only with its loader update, so it is looked up by name; false where it
// is missing or refused, and then the standard search stays. Called first
// in the entry, before anything is loaded at run time.
bool restrict_library_search();

// Loads the library at `full_path`. With the loader's search flags (present
// exactly where SetDefaultDllDirectories is) its dependencies are looked
// for in the system folder alone; without them, in the library's own
// folder first instead of the exe's (the altered search order). Null, with
// the last error set, when loading fails.
HMODULE load_library(const char* full_path);

// The system folder's copy of the library `file_name`, loaded as
// load_library loads it; null where the folder cannot be read or the
// library is missing.
UniqueModule load_system_library(plat::Platform& os, std::string_view file_name);

}  // namespace win32
