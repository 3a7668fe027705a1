// The Win32 vocabulary of the simulated desktop: the seam's types, and the
// few constants and error codes the seam does not publish but the
// simulated calls report with their real values.
#pragma once

#include <cstdint>

#include "platform/platform.h"

namespace sim {

using plat::BOOL;
using plat::COLORREF;
using plat::DWORD;
using plat::HCURSOR;
using plat::HMODULE;
using plat::HRESULT;
using plat::HWND;
using plat::LONG;
using plat::MouseButton;
using plat::POINT;
using plat::RECT;
using plat::SIZE;
using plat::SYSTEMTIME;
using plat::UINT;

inline constexpr BOOL TRUE = 1;
inline constexpr BOOL FALSE = 0;

// Virtual milliseconds since the desktop was made; the only time there is.
using Millis = std::uint64_t;

// Process ids: the program under test is always process 1.
inline constexpr DWORD kOurProcess = 1;
inline constexpr DWORD kOtherProcess = 2;

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

// Styles, hit-test codes and GetWindow commands the seam leaves out.
using plat::WS_EX_NOACTIVATE;
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

}  // namespace sim
