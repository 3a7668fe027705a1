// The hosted web browser control.
//
// STUB: replaced by the WebBrowser host in a later change. Until then no
// browser can be created, and callers get nullptr.
#include "platform/win32/win32_platform.h"

namespace win32 {

std::unique_ptr<plat::BrowserHost> Win32Platform::create_browser(plat::HWND /*parent*/,
                                                                 plat::BrowserEvents* /*events*/) {
  return nullptr;
}

}  // namespace win32
