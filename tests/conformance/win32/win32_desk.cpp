#include "win32/win32_desk.h"

#include <cstdio>

#include "platform/win32/convert.h"

namespace conformance {
namespace {

void send_mouse(DWORD flags, LONG dx = 0, LONG dy = 0) {
  ::INPUT in{};
  in.type = INPUT_MOUSE;
  in.mi.dx = dx;
  in.mi.dy = dy;
  in.mi.dwFlags = flags;
  ::SendInput(1, &in, sizeof in);
}

// The box being shown: a thread timer has no context argument, and one
// box is open at a time.
struct OpenBox {
  const char* caption = nullptr;
  const std::function<void(HWND)>* while_open = nullptr;
  int tries = 0;
};
OpenBox* g_open_box = nullptr;

constexpr UINT kRetryMs = 100;
constexpr int kMaxTries = 50;

void CALLBACK look_at_box(::HWND, UINT, UINT_PTR timer, DWORD) {
  OpenBox* open = g_open_box;
  if (!open) {
    ::KillTimer(nullptr, timer);
    return;
  }
  ::HWND box = ::FindWindowA("#32770", open->caption);
  if (!box) {
    // Not up yet: look again, but never wait on a box that never came.
    if (++open->tries < kMaxTries) {
      ::SetTimer(nullptr, timer, kRetryMs, look_at_box);
      return;
    }
    std::printf("no box \"%s\" came up; giving up\n", open->caption);
    std::fflush(stdout);
    ::ExitProcess(3);
  }
  ::KillTimer(nullptr, timer);
  g_open_box = nullptr;
  (*open->while_open)(win32::from_hwnd(box));
  // The rows' boxes are MB_OK: IDOK is their first button.
  ::PostMessageA(box, WM_COMMAND, IDOK, 0);
}

}  // namespace

void Win32Desk::run_for(unsigned ms) {
  const DWORD end = ::GetTickCount() + ms;
  for (;;) {
    os_.pump_pending();
    const auto left = static_cast<LONG>(end - ::GetTickCount());
    if (left <= 0) return;
    ::MsgWaitForMultipleObjects(0, nullptr, FALSE, static_cast<DWORD>(left), QS_ALLINPUT);
  }
}

void Win32Desk::move_pointer(POINT screen) {
  // Absolute input runs from 0 to 65535 across the primary screen.
  const int w = ::GetSystemMetrics(SM_CXSCREEN);
  const int h = ::GetSystemMetrics(SM_CYSCREEN);
  send_mouse(MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE, ::MulDiv(screen.x, 65535, w - 1), ::MulDiv(screen.y, 65535, h - 1));
}

void Win32Desk::press_left() { send_mouse(MOUSEEVENTF_LEFTDOWN); }
void Win32Desk::release_left() { send_mouse(MOUSEEVENTF_LEFTUP); }

int Win32Desk::message_box(HWND owner, const char* text, const char* caption, UINT type, unsigned after_ms,
                           const std::function<void(HWND box)>& while_open) {
  OpenBox open{caption, &while_open};
  g_open_box = &open;
  ::SetTimer(nullptr, 0, after_ms, look_at_box);
  const int answer = os_.MessageBoxA(owner, text, caption, type);
  g_open_box = nullptr;
  return answer;
}

}  // namespace conformance
