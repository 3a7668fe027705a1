// The exe's entry on Windows: the backend hosts the program entry beside
// this file. Built into the exe alone, never into the form library, so the
// host build does not see it.
#include "app/run.h"
#include "platform/win32/program_host.h"
#include "platform/winapi.h"

// The system's declaration types its arguments as HINSTANCE and LPSTR; the
// C runtime finds the entry by its C name and calling convention, which is
// all that must match, and the program reads none of the arguments.
extern "C" int PLAT_WINAPI WinMain(void*, void*, char*, int) { return win32::host_program(&app::run); }
