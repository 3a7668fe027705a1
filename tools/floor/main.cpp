// The floor: one visible topmost tool window and one 25 ms timer that
// reads the pointer, nothing else. With "--browser" it also creates the
// WebBrowser control and keeps it alive, so that a memory comparison
// measures what the shell adds beyond the control both of them carry.
// Not part of the product: it talks to Win32 directly.
#include <windows.h>
#include <ole2.h>
#include <exdisp.h>

#include <cwchar>

namespace {

constexpr UINT_PTR kPointerTimer = 1;
constexpr UINT kPointerMs = 25;

// Read into a volatile so that the compiler keeps the call.
volatile LONG g_last_x = 0;

LRESULT CALLBACK floor_proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_TIMER:
      if (wp == kPointerTimer) {
        POINT p;
        if (GetCursorPos(&p)) g_last_x = p.x;
      }
      return 0;
    case WM_DESTROY:
      PostQuitMessage(0);
      return 0;
    default:
      return DefWindowProcW(hwnd, msg, wp, lp);
  }
}

struct ComSession {
  HRESULT hr = CoInitialize(nullptr);
  ~ComSession() {
    if (SUCCEEDED(hr)) CoUninitialize();
  }
};

struct HeldObject {
  IUnknown* p = nullptr;
  ~HeldObject() {
    if (p) p->Release();
  }
};

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR cmd, int) {
  const bool with_browser = cmd && std::wcsstr(cmd, L"--browser");
  ComSession com;
  HeldObject browser;
  if (with_browser) {
    // Created and held, never placed: the comparison is about the memory
    // the control brings, not about showing a page.
    CoCreateInstance(CLSID_WebBrowser, nullptr, CLSCTX_INPROC_SERVER, IID_IUnknown,
                     reinterpret_cast<void**>(&browser.p));
  }

  WNDCLASSW wc{};
  wc.lpfnWndProc = floor_proc;
  wc.hInstance = instance;
  wc.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512));
  wc.hbrBackground = static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
  wc.lpszClassName = L"SlatebarFloorCLS";
  if (!RegisterClassW(&wc)) return 1;
  HWND hwnd = CreateWindowExW(WS_EX_TOPMOST | WS_EX_TOOLWINDOW, wc.lpszClassName, L"Slatebar floor", WS_POPUP,
                              0, 0, 64, 64, nullptr, nullptr, instance, nullptr);
  if (!hwnd) return 1;
  ShowWindow(hwnd, SW_SHOWNOACTIVATE);
  SetTimer(hwnd, kPointerTimer, kPointerMs, nullptr);

  MSG msg;
  while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
  KillTimer(hwnd, kPointerTimer);
  return 0;
}
