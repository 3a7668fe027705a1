// Timers, posted messages, the message loop, message boxes and popup menus.
#include "platform/win32/carried_error.h"
#include "platform/win32/convert.h"
#include "platform/win32/handles.h"
#include "platform/win32/key_filter.h"
#include "platform/win32/posted.h"
#include "platform/win32/win32_platform.h"

namespace win32 {

std::uintptr_t Win32Platform::SetTimer(plat::HWND hwnd, std::uintptr_t id, plat::UINT elapse_ms) {
  return ::SetTimer(to_hwnd(hwnd), id, elapse_ms, nullptr);
}

plat::BOOL Win32Platform::KillTimer(plat::HWND hwnd, std::uintptr_t id) { return ::KillTimer(to_hwnd(hwnd), id); }

plat::BOOL Win32Platform::PostMessageA(plat::HWND hwnd, plat::UINT msg, std::uintptr_t param) {
  if (msg > kPostedLast - kPostedFirst) {
    ::SetLastError(ERROR_INVALID_PARAMETER);
    return FALSE;
  }
  return ::PostMessageA(to_hwnd(hwnd), kPostedFirst + msg, 0, static_cast<LPARAM>(param));
}

void Win32Platform::PostQuitMessage(int exit_code) { ::PostQuitMessage(exit_code); }

namespace {

// Both loops end here. Keys go to a hosted control's active object first.
// The wide calls keep a character typed into a web page intact when it is
// outside the code page; windows of classes registered with the narrow
// calls (all of the program's own) still receive narrow messages, as
// DispatchMessageW converts for them.
void deliver(MSG& msg) {
  if (key_taken(msg)) return;
  ::TranslateMessage(&msg);
  ::DispatchMessageW(&msg);
}

}  // namespace

bool Win32Platform::pump_one() {
  MSG msg{};
  // -1 means the call itself failed; the loop cannot go on either way.
  if (::GetMessageW(&msg, nullptr, 0, 0) <= 0) return false;
  deliver(msg);
  rethrow_carried();
  return true;
}

bool Win32Platform::pump_pending() {
  MSG msg{};
  while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
    // Consumed, not put back: the caller records the program's end itself,
    // and a quit left in the queue would close every later message box.
    if (msg.message == WM_QUIT) return false;
    deliver(msg);
    rethrow_carried();
  }
  return true;
}

int Win32Platform::MessageBoxA(plat::HWND owner, const char* text, const char* caption, plat::UINT type) {
  return sending([&] { return ::MessageBoxA(to_hwnd(owner), text, caption, type); });
}

std::optional<std::size_t> Win32Platform::TrackPopupMenu(plat::HWND owner,
                                                         const std::vector<plat::MenuItemSpec>& items, int x,
                                                         int y) {
  UniqueMenu menu(::CreatePopupMenu());
  if (!menu) return {};
  for (std::size_t i = 0; i < items.size(); ++i) {
    const plat::MenuItemSpec& item = items[i];
    if (item.caption == "-") {
      ::AppendMenuA(menu.get(), MF_SEPARATOR, 0, nullptr);
    } else {
      // Ids start at 1 because TrackPopupMenu returns 0 for "nothing chosen".
      ::AppendMenuA(menu.get(), MF_STRING | (item.enabled ? MF_ENABLED : MF_GRAYED), i + 1, item.caption.c_str());
    }
  }
  HWND window = to_hwnd(owner);
  // The menu only closes on a click elsewhere if its owner is in the
  // foreground, and only closes cleanly if the owner gets a message after.
  ::SetForegroundWindow(window);
  const BOOL chosen = ::TrackPopupMenu(menu.get(), TPM_RETURNCMD | TPM_RIGHTBUTTON, x, y, 0, window, nullptr);
  ::PostMessageA(window, WM_NULL, 0, 0);
  rethrow_carried();
  if (chosen <= 0) return {};
  return static_cast<std::size_t>(chosen - 1);
}

}  // namespace win32
