// `close-class`, `msgbox`, `show`, `resources` and `live`: things a test asks
// of the Windows side that a person would do another way (a close request
// from another program, a box of known texts to answer, a window that
// nothing in the program shows yet, counters that only the system or the
// program keeps).
#include <windows.h>
#include <psapi.h>

#include <cstdlib>
#include <memory>
#include <type_traits>
#include <span>
#include <string_view>

#include "helper.h"
#include "platform/win32/live_objects.h"

namespace helper {
namespace {

struct HandleCloser {
  void operator()(HANDLE handle) const { CloseHandle(handle); }
};
using ProcessHandle = std::unique_ptr<std::remove_pointer_t<HANDLE>, HandleCloser>;

}  // namespace

int run_close_class(std::span<char*> args) {
  if (args.size() != 1) return kUsage;
  int posted = 0;
  // FindWindowEx walks top-level windows whether visible or not, as the
  // program's own single-instance test does.
  for (HWND hwnd = FindWindowExA(nullptr, nullptr, args[0], nullptr); hwnd;
       hwnd = FindWindowExA(nullptr, hwnd, args[0], nullptr)) {
    if (PostMessageA(hwnd, WM_CLOSE, 0, 0)) ++posted;
  }
  emit("posted\t%d", posted);
  return posted > 0 ? kOk : kNotFound;
}

int run_msgbox(std::span<char*> args) {
  if (args.size() < 2 || args.size() > 3) return kUsage;
  const bool yes_no = args.size() == 3 && std::string_view{args[2]} == "yesno";
  const UINT type = yes_no ? MB_YESNO | MB_ICONQUESTION : MB_OK;
  return MessageBoxA(nullptr, args[1], args[0], type);
}

int run_show(std::span<char*> args) {
  const bool hide = args.size() == 2 && std::string_view{args[1]} == "off";
  if (args.size() != 1 && !hide) return kUsage;
  const HWND hwnd = FindWindowA(nullptr, args[0]);
  if (!hwnd) return kNotFound;
  if (hide) {
    ShowWindow(hwnd, SW_HIDE);
  } else {
    ShowWindow(hwnd, SW_SHOWNA);
    // At the top of the z-order, so that Wine raises its X window too.
    SetWindowPos(hwnd, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  }
  emit("%s\t%llu", hide ? "hidden" : "shown", static_cast<unsigned long long>(reinterpret_cast<UINT_PTR>(hwnd)));
  return kOk;
}

int run_redraw(std::span<char*> args) {
  if (args.size() != 1) return kUsage;
  const HWND hwnd = FindWindowA(nullptr, args[0]);
  if (!hwnd) return kNotFound;
  // The whole client area, as an exposure would invalidate it.
  if (!InvalidateRect(hwnd, nullptr, FALSE)) return kFailed;
  emit("invalidated\t%llu", static_cast<unsigned long long>(reinterpret_cast<UINT_PTR>(hwnd)));
  return kOk;
}

int run_resources(std::span<char*> args) {
  // By Windows process id, or by a window class of the process; the harness
  // knows only Unix ids, which Wine does not use as Windows ones.
  DWORD pid = 0;
  if (args.size() == 2 && std::string_view{args[0]} == "--class") {
    const HWND hwnd = FindWindowA(args[1], nullptr);
    if (!hwnd) return kNotFound;
    GetWindowThreadProcessId(hwnd, &pid);
  } else if (args.size() == 1) {
    pid = std::strtoul(args[0], nullptr, 0);
  } else {
    return kUsage;
  }
  const ProcessHandle process{OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, pid)};
  if (!process) return kNotFound;
  PROCESS_MEMORY_COUNTERS_EX memory{};
  memory.cb = sizeof memory;
  GetProcessMemoryInfo(process.get(), reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&memory), sizeof memory);
  emit("resources\t%lu\t%lu\t%llu\t%llu\t%lu", GetGuiResources(process.get(), GR_GDIOBJECTS),
       GetGuiResources(process.get(), GR_USEROBJECTS), static_cast<unsigned long long>(memory.PrivateUsage),
       static_cast<unsigned long long>(memory.WorkingSetSize), memory.PageFaultCount);
  return kOk;
}

int run_live(std::span<char*> args) {
  if (args.size() != 2 || std::string_view{args[0]} != "--class") return kUsage;
  const HWND hwnd = FindWindowA(args[1], nullptr);
  if (!hwnd) return kNotFound;
  const UINT message = RegisterWindowMessageA(win32::kLiveObjectsMessage);
  DWORD_PTR counts[2] = {};
  for (win32::LiveKind kind : {win32::LiveKind::Gdi, win32::LiveKind::Window}) {
    // A program that does not know the message answers 0 through its
    // default handling; one that hangs is not waited for long.
    if (!SendMessageTimeoutA(hwnd, message, static_cast<WPARAM>(kind), 0, SMTO_ABORTIFHUNG, 5000,
                             &counts[static_cast<unsigned>(kind)])) {
      return kFailed;
    }
  }
  emit("live\t%ld\t%ld", static_cast<long>(counts[0]), static_cast<long>(counts[1]));
  return kOk;
}

}  // namespace helper
