// The two places where the smoke program acts as the user: keys for a
// popup menu and OK for a message box, both sent from inside the modal loop.
#include "platform/win32/win32_headers.h"
#include "smoke.h"

namespace smoke {

void press_down_down_return() {
  const WORD keys[] = {VK_DOWN, VK_DOWN, VK_RETURN};
  for (WORD key : keys) {
    INPUT in[2]{};
    in[0].type = in[1].type = INPUT_KEYBOARD;
    in[0].ki.wVk = in[1].ki.wVk = key;
    in[1].ki.dwFlags = KEYEVENTF_KEYUP;
    ::SendInput(2, in, sizeof(INPUT));
  }
}

bool press_ok_on_box(const char* caption) {
  HWND box = ::FindWindowA("#32770", caption);
  if (!box) return false;
  ::PostMessageA(box, WM_COMMAND, IDOK, 0);
  return true;
}

void post_close(plat::HWND hwnd) { ::PostMessageA(reinterpret_cast<HWND>(hwnd), WM_CLOSE, 0, 0); }

}  // namespace smoke
