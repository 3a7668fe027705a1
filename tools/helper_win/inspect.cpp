// `list` and `dialog`: what the Windows side knows about windows and the X
// side does not carry, such as the window class, the owner, the extended
// styles and the texts inside a message box.
#include <windows.h>

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "helper.h"

namespace helper {
namespace {

unsigned long long as_number(const void* handle) {
  return static_cast<unsigned long long>(reinterpret_cast<std::uintptr_t>(handle));
}

// Titles and texts are single fields of a line, so line breaks, tabs and
// backslashes are escaped; the harness reverses this.
std::string escaped(std::string_view text) {
  std::string out;
  for (char c : text) {
    switch (c) {
      case '\\': out += "\\\\"; break;
      case '\n': out += "\\n"; break;
      case '\r': out += "\\r"; break;
      case '\t': out += "\\t"; break;
      default: out += c;
    }
  }
  return out;
}

std::string text_of(HWND hwnd) {
  char buffer[1024] = {};
  GetWindowTextA(hwnd, buffer, sizeof buffer);
  return buffer;
}

std::string class_of(HWND hwnd) {
  char buffer[256] = {};
  GetClassNameA(hwnd, buffer, sizeof buffer);
  return buffer;
}

// Named callbacks rather than lambdas: the 32-bit build needs __stdcall.
BOOL CALLBACK collect(HWND hwnd, LPARAM into) {
  reinterpret_cast<std::vector<HWND>*>(into)->push_back(hwnd);
  return TRUE;
}

std::vector<HWND> top_level_windows() {
  std::vector<HWND> found;
  EnumWindows(collect, reinterpret_cast<LPARAM>(&found));
  return found;
}

void emit_window(HWND hwnd) {
  RECT r{};
  GetWindowRect(hwnd, &r);
  DWORD pid = 0;
  GetWindowThreadProcessId(hwnd, &pid);
  const void* xid = GetPropA(hwnd, "__wine_x11_whole_window");
  emit("window\t0x%llx\t%lu\t0x%llx\t%d\t%ld\t%ld\t%ld\t%ld\t0x%lx\t0x%lx\t0x%llx\t%s\t%s",
       as_number(hwnd), pid, as_number(xid), IsWindowVisible(hwnd) ? 1 : 0, r.left, r.top,
       r.right - r.left, r.bottom - r.top, static_cast<unsigned long>(GetWindowLongA(hwnd, GWL_STYLE)),
       static_cast<unsigned long>(GetWindowLongA(hwnd, GWL_EXSTYLE)), as_number(GetWindow(hwnd, GW_OWNER)),
       escaped(class_of(hwnd)).c_str(), escaped(text_of(hwnd)).c_str());
}

void emit_dialog(HWND dialog) {
  RECT r{};
  GetWindowRect(dialog, &r);
  // The face colour a box is painted in, so that the harness can tell the
  // box itself on the screen from whatever may stand in front of it.
  emit("dialog\t0x%llx\t%ld\t%ld\t%ld\t%ld\t0x%06lx\t%s", as_number(dialog), r.left, r.top, r.right - r.left,
       r.bottom - r.top, static_cast<unsigned long>(GetSysColor(COLOR_BTNFACE)), escaped(text_of(dialog)).c_str());
  std::vector<HWND> children;
  EnumChildWindows(dialog, collect, reinterpret_cast<LPARAM>(&children));
  for (HWND child : children) {
    RECT c{};
    GetWindowRect(child, &c);
    // A box without an icon still has a visible icon control, only empty
    // (measured under Wine), so whether it holds an icon is reported too.
    const bool has_icon = class_of(child) == "Static" && SendMessageA(child, STM_GETICON, 0, 0) != 0;
    emit("child\t0x%llx\t%d\t%s\t%ld\t%ld\t%ld\t%ld\t%d\t%d\t%s", as_number(child), GetDlgCtrlID(child),
         escaped(class_of(child)).c_str(), c.left, c.top, c.right - c.left, c.bottom - c.top,
         IsWindowVisible(child) ? 1 : 0, has_icon ? 1 : 0, escaped(text_of(child)).c_str());
  }
}

}  // namespace

int run_list(std::span<char*>) {
  emit("foreground\t0x%llx", as_number(GetForegroundWindow()));
  for (HWND hwnd : top_level_windows()) emit_window(hwnd);
  return kOk;
}

// The standard dialogs (message boxes among them) are of class "#32770";
// with no caption given, every visible one is reported, topmost first.
int run_dialog(std::span<char*> args) {
  const bool any = args.empty();
  const std::string_view caption = any ? std::string_view{} : std::string_view{args[0]};
  int found = 0;
  for (HWND hwnd : top_level_windows()) {
    if (class_of(hwnd) != "#32770" || !IsWindowVisible(hwnd)) continue;
    if (!any && text_of(hwnd) != caption) continue;
    emit_dialog(hwnd);
    ++found;
  }
  return found > 0 ? kOk : kNotFound;
}

}  // namespace helper
