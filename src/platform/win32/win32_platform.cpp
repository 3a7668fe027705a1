#include "platform/win32/win32_platform.h"

#include "platform/win32/dpi.h"
#include "platform/win32/gdiplus_library.h"
#include "platform/win32/layered.h"
#include "platform/win32/themes.h"

namespace win32 {

Win32Platform::Win32Platform() : layered_(std::make_unique<LayeredApi>(look_up_layered_api())) {}

Win32Platform::~Win32Platform() = default;

}  // namespace win32
