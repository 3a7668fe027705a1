// Decoding the splash picture through the system's codecs.
//
// STUB: replaced by the GDI+ decoder in a later change. Until then every
// picture decodes to nothing, which the program treats as "no picture".
#include "platform/win32/win32_platform.h"

namespace win32 {

plat::DecodedBitmap Win32Platform::decode_picture_resource(std::string_view /*name*/) {
  return plat::DecodedBitmap{{}, 0};
}

}  // namespace win32
