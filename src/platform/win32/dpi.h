// The dpi reads of newer systems, looked up at run time so that the exe
// still starts on Windows 7: GetDpiForWindow (user32, Windows 10 1607) and
// GetDpiForMonitor (shcore, Windows 8.1, from the system folder's copy).
#pragma once

#include "platform/win32/handles.h"

namespace win32 {

struct DpiApi {
  using GetDpiForWindow = UINT(WINAPI*)(HWND);
  // HRESULT GetDpiForMonitor(HMONITOR, MONITOR_DPI_TYPE, UINT*, UINT*)
  using GetDpiForMonitor = HRESULT(WINAPI*)(HMONITOR, int, UINT*, UINT*);
  UniqueModule shcore;
  GetDpiForWindow for_window = nullptr;
  GetDpiForMonitor for_monitor = nullptr;
};

}  // namespace win32
