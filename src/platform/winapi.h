// The Win32 vocabulary that platform-neutral code speaks: handle types,
// records and constants with their published values, without <windows.h>.
//
// Backend files that include <windows.h> must include this header first:
// the constants below share the Win32 macro names, and a macro defined
// before them would rewrite their declarations.
#pragma once

#include <cstddef>
#include <cstdint>

#if defined(_WIN32) && defined(__i386__)
#define PLAT_WINAPI __attribute__((stdcall))
#else
#define PLAT_WINAPI
#endif

namespace plat {

using HWND = std::uintptr_t;      // window handle; 0 is none
using HMODULE = std::uintptr_t;   // loaded module; 0 is none
using HCURSOR = std::uintptr_t;   // cursor handle; 0 is none
using HTHUMBNAIL = std::uintptr_t;
using HMONITOR = std::uintptr_t;  // display monitor; 0 is none
using HRESULT = std::int32_t;
using BOOL = std::int32_t;
using LONG = std::int32_t;
using DWORD = std::uint32_t;
using UINT = std::uint32_t;
using FARPROC = void (*)();
using COLORREF = std::uint32_t;  // 0x00BBGGRR

struct POINT {
  LONG x = 0;
  LONG y = 0;
  friend bool operator==(const POINT&, const POINT&) = default;
};

struct RECT {
  LONG left = 0;
  LONG top = 0;
  LONG right = 0;
  LONG bottom = 0;
  friend bool operator==(const RECT&, const RECT&) = default;
};

struct SIZE {
  LONG cx = 0;
  LONG cy = 0;
  friend bool operator==(const SIZE&, const SIZE&) = default;
};

// Rectangles in virtual-screen coordinates: a monitor left of or above the
// primary has negative ones.
struct MONITORINFO {
  DWORD cbSize = sizeof(DWORD) + 2 * sizeof(RECT) + sizeof(DWORD);
  RECT rcMonitor;
  RECT rcWork;
  DWORD dwFlags = 0;
};

struct SYSTEMTIME {
  std::uint16_t wYear = 0;
  std::uint16_t wMonth = 0;      // 1..12
  std::uint16_t wDayOfWeek = 0;  // 0 = Sunday
  std::uint16_t wDay = 0;
  std::uint16_t wHour = 0;
  std::uint16_t wMinute = 0;
  std::uint16_t wSecond = 0;
  std::uint16_t wMilliseconds = 0;
};

struct MARGINS {
  int cxLeftWidth = 0;
  int cxRightWidth = 0;
  int cyTopHeight = 0;
  int cyBottomHeight = 0;
};

// Published layout of DWM_THUMBNAIL_PROPERTIES: dwmapi.h declares it
// packed to one byte, so fVisible follows the opacity byte directly. The
// compositor reads the record by these offsets, whatever the compiler's
// natural alignment would make of it.
#pragma pack(push, 1)
struct DWM_THUMBNAIL_PROPERTIES {
  DWORD dwFlags = 0;
  RECT rcDestination{};
  RECT rcSource{};
  std::uint8_t opacity = 0;
  BOOL fVisible = 0;
  BOOL fSourceClientAreaOnly = 0;
};
#pragma pack(pop)
static_assert(sizeof(DWM_THUMBNAIL_PROPERTIES) == 45);
static_assert(offsetof(DWM_THUMBNAIL_PROPERTIES, opacity) == 36);
static_assert(offsetof(DWM_THUMBNAIL_PROPERTIES, fVisible) == 37);
static_assert(offsetof(DWM_THUMBNAIL_PROPERTIES, fSourceClientAreaOnly) == 41);

struct BLENDFUNCTION {
  std::uint8_t BlendOp = 0;
  std::uint8_t BlendFlags = 0;
  std::uint8_t SourceConstantAlpha = 0;
  std::uint8_t AlphaFormat = 0;
};

inline constexpr HRESULT S_OK = 0;
inline constexpr HRESULT S_FALSE = 1;
inline constexpr HRESULT E_NOTIMPL = static_cast<HRESULT>(0x80004001u);
inline constexpr HRESULT E_FAIL = static_cast<HRESULT>(0x80004005u);
inline constexpr HRESULT E_UNEXPECTED = static_cast<HRESULT>(0x8000FFFFu);
inline constexpr HRESULT E_INVALIDARG = static_cast<HRESULT>(0x80070057u);
constexpr bool SUCCEEDED(HRESULT hr) { return hr >= 0; }
constexpr bool FAILED(HRESULT hr) { return hr < 0; }

// ShowWindow
inline constexpr int SW_HIDE = 0;
inline constexpr int SW_SHOWNORMAL = 1;
inline constexpr int SW_SHOWNOACTIVATE = 4;
inline constexpr int SW_SHOW = 5;
inline constexpr int SW_SHOWNA = 8;

// SetWindowPos
inline const HWND HWND_TOP = 0;
inline const HWND HWND_BOTTOM = 1;
inline const HWND HWND_TOPMOST = static_cast<HWND>(-1);
inline const HWND HWND_NOTOPMOST = static_cast<HWND>(-2);
inline constexpr UINT SWP_NOSIZE = 0x0001;
inline constexpr UINT SWP_NOMOVE = 0x0002;
inline constexpr UINT SWP_NOZORDER = 0x0004;
inline constexpr UINT SWP_NOACTIVATE = 0x0010;
inline constexpr UINT SWP_FRAMECHANGED = 0x0020;
inline constexpr UINT SWP_SHOWWINDOW = 0x0040;
inline constexpr UINT SWP_HIDEWINDOW = 0x0080;
inline constexpr UINT SWP_NOOWNERZORDER = 0x0200;

// GetWindowLongA
inline constexpr int GWL_EXSTYLE = -20;
inline constexpr int GWL_STYLE = -16;
inline constexpr int GWL_HWNDPARENT = -8;

// Window styles
inline constexpr DWORD WS_OVERLAPPED = 0x00000000;
inline constexpr DWORD WS_POPUP = 0x80000000;
inline constexpr DWORD WS_CHILD = 0x40000000;
inline constexpr DWORD WS_VISIBLE = 0x10000000;
inline constexpr DWORD WS_DISABLED = 0x08000000;
inline constexpr DWORD WS_CLIPSIBLINGS = 0x04000000;
inline constexpr DWORD WS_CLIPCHILDREN = 0x02000000;
inline constexpr DWORD WS_CAPTION = 0x00C00000;
inline constexpr DWORD WS_BORDER = 0x00800000;
inline constexpr DWORD WS_DLGFRAME = 0x00400000;
inline constexpr DWORD WS_SYSMENU = 0x00080000;
inline constexpr DWORD WS_THICKFRAME = 0x00040000;
inline constexpr DWORD WS_MINIMIZE = 0x20000000;
inline constexpr DWORD WS_MINIMIZEBOX = 0x00020000;
inline constexpr DWORD WS_MAXIMIZEBOX = 0x00010000;

inline constexpr DWORD WS_EX_TOPMOST = 0x00000008;
inline constexpr DWORD WS_EX_TRANSPARENT = 0x00000020;
inline constexpr DWORD WS_EX_TOOLWINDOW = 0x00000080;
inline constexpr DWORD WS_EX_WINDOWEDGE = 0x00000100;
inline constexpr DWORD WS_EX_APPWINDOW = 0x00040000;
inline constexpr DWORD WS_EX_LAYERED = 0x00080000;
inline constexpr DWORD WS_EX_NOACTIVATE = 0x08000000;

// Layered windows
inline constexpr DWORD LWA_COLORKEY = 0x1;
inline constexpr DWORD LWA_ALPHA = 0x2;
inline constexpr DWORD ULW_ALPHA = 0x2;
inline constexpr std::uint8_t AC_SRC_OVER = 0;
inline constexpr std::uint8_t AC_SRC_ALPHA = 1;

// GetWindow
inline constexpr UINT GW_HWNDNEXT = 2;
inline constexpr UINT GW_CHILD = 5;

// GetSystemMetrics
inline constexpr int SM_CXSCREEN = 0;
inline constexpr int SM_CYSCREEN = 1;
inline constexpr int SM_CYCAPTION = 4;
inline constexpr int SM_CXFRAME = 32;
inline constexpr int SM_CYFRAME = 33;
inline constexpr int SM_CXPADDEDBORDER = 92;
inline constexpr int SM_SWAPBUTTON = 23;
// The virtual screen: the bounding rectangle of every monitor.
inline constexpr int SM_XVIRTUALSCREEN = 76;
inline constexpr int SM_YVIRTUALSCREEN = 77;
inline constexpr int SM_CXVIRTUALSCREEN = 78;
inline constexpr int SM_CYVIRTUALSCREEN = 79;
inline constexpr int SM_CMONITORS = 80;

// MonitorFromPoint and GetMonitorInfoA
inline constexpr DWORD MONITOR_DEFAULTTONULL = 0;
inline constexpr DWORD MONITOR_DEFAULTTOPRIMARY = 1;
inline constexpr DWORD MONITOR_DEFAULTTONEAREST = 2;
inline constexpr DWORD MONITORINFOF_PRIMARY = 1;

// Virtual keys
inline constexpr int VK_LBUTTON = 0x01;
inline constexpr int VK_RBUTTON = 0x02;
inline constexpr int VK_MBUTTON = 0x04;

// Hit testing
inline constexpr int HTCLIENT = 1;
inline constexpr int HTCAPTION = 2;

// Cursors
inline constexpr int IDC_ARROW = 32512;
inline constexpr int IDC_HAND = 32649;

// Message box flags and answers
inline constexpr UINT MB_OK = 0x00;
inline constexpr UINT MB_YESNO = 0x04;
inline constexpr UINT MB_ICONSTOP = 0x10;
inline constexpr UINT MB_ICONERROR = 0x10;
inline constexpr UINT MB_ICONQUESTION = 0x20;
inline constexpr UINT MB_ICONWARNING = 0x30;
inline constexpr UINT MB_ICONEXCLAMATION = 0x30;
inline constexpr UINT MB_TOPMOST = 0x00040000;
inline constexpr int IDOK = 1;
inline constexpr int IDYES = 6;
inline constexpr int IDNO = 7;

// Compositor thumbnails
inline constexpr DWORD DWM_TNP_RECTDESTINATION = 0x01;
inline constexpr DWORD DWM_TNP_RECTSOURCE = 0x02;
inline constexpr DWORD DWM_TNP_OPACITY = 0x04;
inline constexpr DWORD DWM_TNP_VISIBLE = 0x08;
inline constexpr DWORD DWM_TNP_SOURCECLIENTAREAONLY = 0x10;
// DwmGetWindowAttribute: a DWORD, non-zero while the window is cloaked.
inline constexpr DWORD DWMWA_CLOAKED = 14;

// Registry roots
enum class RegistryRoot { HKEY_CURRENT_USER, HKEY_LOCAL_MACHINE };

// SystemParametersInfoA
inline constexpr UINT SPI_GETWORKAREA = 0x0030;

// Booleans
inline constexpr BOOL TRUE = 1;
inline constexpr BOOL FALSE = 0;

// Win32 error codes.
inline constexpr DWORD ERROR_FILE_NOT_FOUND = 2;
inline constexpr DWORD ERROR_PATH_NOT_FOUND = 3;
inline constexpr DWORD ERROR_ACCESS_DENIED = 5;
inline constexpr DWORD ERROR_INVALID_HANDLE = 6;
inline constexpr DWORD ERROR_SHARING_VIOLATION = 32;
inline constexpr DWORD ERROR_FILE_EXISTS = 80;
inline constexpr DWORD ERROR_INVALID_PARAMETER = 87;
inline constexpr DWORD ERROR_INSUFFICIENT_BUFFER = 122;
inline constexpr DWORD ERROR_MOD_NOT_FOUND = 126;
inline constexpr DWORD ERROR_PROC_NOT_FOUND = 127;
inline constexpr DWORD ERROR_ALREADY_EXISTS = 183;
inline constexpr DWORD ERROR_INVALID_WINDOW_HANDLE = 1400;
inline constexpr DWORD ERROR_NONE_MAPPED = 1332;

// Styles, hit-test codes and GetWindow commands.
inline constexpr DWORD WS_EX_DLGMODALFRAME = 0x00000001;
inline constexpr DWORD WS_EX_CLIENTEDGE = 0x00000200;
inline constexpr int HTERROR = -2;
inline constexpr int HTTRANSPARENT = -1;
inline constexpr int HTNOWHERE = 0;
inline constexpr int HTBORDER = 18;
inline constexpr UINT GW_HWNDFIRST = 0;
inline constexpr UINT GW_HWNDLAST = 1;
inline constexpr UINT GW_HWNDPREV = 3;
inline constexpr UINT GW_OWNER = 4;

// Message box buttons and answers beyond OK and Yes/No.
inline constexpr UINT MB_OKCANCEL = 0x01;
inline constexpr UINT MB_ABORTRETRYIGNORE = 0x02;
inline constexpr UINT MB_YESNOCANCEL = 0x03;
inline constexpr UINT MB_RETRYCANCEL = 0x05;
inline constexpr UINT MB_CANCELTRYCONTINUE = 0x06;
inline constexpr UINT MB_ICONINFORMATION = 0x40;
inline constexpr int IDCANCEL = 2;
inline constexpr int IDABORT = 3;
inline constexpr int IDRETRY = 4;
inline constexpr int IDIGNORE = 5;
inline constexpr int IDTRYAGAIN = 10;
inline constexpr int IDCONTINUE = 11;

// File attributes reported for plain files.
inline constexpr DWORD FILE_ATTRIBUTE_READONLY = 0x01;
inline constexpr DWORD FILE_ATTRIBUTE_ARCHIVE = 0x20;

// Modifier keys a test can hold down.
inline constexpr int VK_SHIFT = 0x10;
inline constexpr int VK_CONTROL = 0x11;
inline constexpr int VK_MENU = 0x12;

}  // namespace plat
