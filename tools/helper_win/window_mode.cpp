// `window`: a plain top-level window of a given class and title, standing in
// for another program's window. It reports what reaches it, so that tests of
// the harness can check that XTest input arrives where the pointer is.
#include <windows.h>

#include <cstdint>
#include <cstdlib>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "helper.h"

namespace helper {
namespace {

struct WindowOptions {
  std::string class_name = "SlatebarHelper";
  std::string title = "Slatebar helper";
  RECT rect{100, 100, 400, 300};
  COLORREF color = RGB(0x20, 0x60, 0xC0);
  bool popup = false;
  bool owned = false;
  bool tool = false;
  bool app_window = false;
  bool topmost = false;
  bool hidden = false;
  // Alpha for SetLayeredWindowAttributes; -1 adds the layered style without
  // ever setting attributes, to see what Wine does with such a window.
  std::optional<int> layered_alpha;
};

bool parse(std::span<char*> args, WindowOptions& out) {
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string_view arg = args[i];
    const std::size_t left = args.size() - i - 1;
    if (arg == "--class" && left >= 1) {
      out.class_name = args[++i];
    } else if (arg == "--title" && left >= 1) {
      out.title = args[++i];
    } else if (arg == "--rect" && left >= 4) {
      const int x = std::atoi(args[i + 1]), y = std::atoi(args[i + 2]);
      out.rect = {x, y, x + std::atoi(args[i + 3]), y + std::atoi(args[i + 4])};
      i += 4;
    } else if (arg == "--color" && left >= 1) {
      // Given as RRGGBB, the order in which the harness reads screen pixels.
      const unsigned long rgb = std::strtoul(args[++i], nullptr, 16);
      out.color = RGB((rgb >> 16) & 0xFF, (rgb >> 8) & 0xFF, rgb & 0xFF);
    } else if (arg == "--popup") {
      out.popup = true;
    } else if (arg == "--owned") {
      out.owned = true;
    } else if (arg == "--tool") {
      out.tool = true;
    } else if (arg == "--appwindow") {
      out.app_window = true;
    } else if (arg == "--topmost") {
      out.topmost = true;
    } else if (arg == "--layered" && left >= 1) {
      out.layered_alpha = std::atoi(args[++i]);
    } else if (arg == "--hidden") {
      out.hidden = true;
    } else {
      return false;
    }
  }
  return true;
}

const char* button_name(UINT message) {
  switch (message) {
    case WM_LBUTTONDOWN: return "lbuttondown";
    case WM_LBUTTONUP: return "lbuttonup";
    case WM_RBUTTONDOWN: return "rbuttondown";
    case WM_RBUTTONUP: return "rbuttonup";
    default: return nullptr;
  }
}

LRESULT CALLBACK window_proc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) {
  if (const char* name = button_name(message)) {
    POINT at{static_cast<short>(LOWORD(lparam)), static_cast<short>(HIWORD(lparam))};
    ClientToScreen(hwnd, &at);
    emit("event\t%s\t%ld\t%ld", name, at.x, at.y);
    return 0;
  }
  switch (message) {
    case WM_KEYDOWN:
      emit("event\tkeydown\t%u", static_cast<unsigned>(wparam));
      return 0;
    case WM_CHAR:
      emit("event\tchar\t%u", static_cast<unsigned>(wparam));
      return 0;
    case WM_CLOSE:
      emit("closed");
      DestroyWindow(hwnd);
      return 0;
    case WM_DESTROY:
      PostQuitMessage(0);
      return 0;
    default:
      return DefWindowProcA(hwnd, message, wparam, lparam);
  }
}

// The owner of an owned window: hidden, never shown, so that the owned
// window is the only thing a person could see.
HWND make_owner(HINSTANCE instance) {
  WNDCLASSA owner_class{};
  owner_class.lpfnWndProc = DefWindowProcA;
  owner_class.hInstance = instance;
  owner_class.lpszClassName = "SlatebarHelperOwner";
  RegisterClassA(&owner_class);
  return CreateWindowExA(0, owner_class.lpszClassName, "", WS_OVERLAPPED, 0, 0, 10, 10,
                         nullptr, nullptr, instance, nullptr);
}

}  // namespace

int run_window(std::span<char*> args) {
  WindowOptions options;
  if (!parse(args, options)) return kUsage;
  const HINSTANCE instance = GetModuleHandleA(nullptr);

  WNDCLASSA window_class{};
  window_class.style = CS_HREDRAW | CS_VREDRAW;
  window_class.lpfnWndProc = window_proc;
  window_class.hInstance = instance;
  window_class.hCursor = LoadCursorA(nullptr, IDC_ARROW);
  window_class.hbrBackground = CreateSolidBrush(options.color);
  window_class.lpszClassName = options.class_name.c_str();
  if (!RegisterClassA(&window_class)) return kFailed;

  const DWORD style = options.popup ? WS_POPUP : WS_OVERLAPPEDWINDOW;
  DWORD ex_style = 0;
  if (options.tool) ex_style |= WS_EX_TOOLWINDOW;
  if (options.app_window) ex_style |= WS_EX_APPWINDOW;
  if (options.topmost) ex_style |= WS_EX_TOPMOST;
  if (options.layered_alpha) ex_style |= WS_EX_LAYERED;
  const HWND owner = options.owned ? make_owner(instance) : nullptr;
  const RECT& r = options.rect;
  const HWND hwnd = CreateWindowExA(ex_style, options.class_name.c_str(), options.title.c_str(),
                                    style, r.left, r.top, r.right - r.left, r.bottom - r.top,
                                    owner, nullptr, instance, nullptr);
  if (!hwnd) return kFailed;
  if (options.layered_alpha && *options.layered_alpha >= 0) {
    SetLayeredWindowAttributes(hwnd, 0, static_cast<BYTE>(*options.layered_alpha), LWA_ALPHA);
  }
  if (!options.hidden) {
    ShowWindow(hwnd, SW_SHOWNORMAL);
    UpdateWindow(hwnd);
  }
  // Wine keeps the X window of a top-level window in this property; the
  // harness uses it to match the window to what it sees on the X side.
  const auto xid = reinterpret_cast<std::uintptr_t>(GetPropA(hwnd, "__wine_x11_whole_window"));
  emit("ready\t0x%llx\t0x%llx\t%lu", static_cast<unsigned long long>(reinterpret_cast<std::uintptr_t>(hwnd)),
       static_cast<unsigned long long>(xid), GetCurrentProcessId());

  MSG message;
  while (GetMessageA(&message, nullptr, 0, 0) > 0) {
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
  return kOk;
}

}  // namespace helper
