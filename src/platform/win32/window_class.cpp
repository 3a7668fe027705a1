#include "platform/win32/window_class.h"

#include <set>

#include "platform/win32/win32_headers.h"
#include "platform/win32/window_proc.h"

namespace win32 {

namespace {

// The program icon is resource 1 in the exe's resource script.
constexpr WORD kProgramIconId = 1;

WNDCLASSEXA class_for(const char* name) {
  HINSTANCE instance = ::GetModuleHandleA(nullptr);
  WNDCLASSEXA wc{};
  wc.cbSize = sizeof wc;
  // No CS_DBLCLKS: a second click must arrive as a second press, not as a
  // double-click message. Redraw on size so centred and right-aligned
  // content never keeps stale pixels at the old edge.
  wc.style = CS_HREDRAW | CS_VREDRAW;
  wc.lpfnWndProc = window_proc;
  wc.hInstance = instance;
  wc.hIcon = ::LoadIconA(instance, MAKEINTRESOURCEA(kProgramIconId));
  wc.hIconSm = static_cast<HICON>(::LoadImageA(instance, MAKEINTRESOURCEA(kProgramIconId), IMAGE_ICON,
                                               ::GetSystemMetrics(SM_CXSMICON),
                                               ::GetSystemMetrics(SM_CYSMICON), LR_DEFAULTCOLOR));
  wc.hCursor = ::LoadCursorA(nullptr, IDC_ARROW);
  // No background brush: every paint fills its own back buffer, so an
  // erase would only flicker.
  wc.hbrBackground = nullptr;
  wc.lpszClassName = name;
  return wc;
}

}  // namespace

bool ensure_window_class(const std::string& name) {
  static std::set<std::string> registered;
  if (registered.contains(name)) return true;
  const WNDCLASSEXA wc = class_for(name.c_str());
  if (::RegisterClassExA(&wc) == 0 && ::GetLastError() != ERROR_CLASS_ALREADY_EXISTS) return false;
  registered.insert(name);
  return true;
}

}  // namespace win32
