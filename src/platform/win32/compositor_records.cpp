// The compositor's records cross the seam untouched: DwmApi hands the
// seam's own structs to the library's entries. These checks hold the
// seam's layout to the SDK's, field by field, at compile time.
#include <cstddef>

#include "platform/win32/win32_headers.h"

#include <dwmapi.h>

namespace win32 {
namespace {

using Seam = plat::DWM_THUMBNAIL_PROPERTIES;
using Sdk = ::DWM_THUMBNAIL_PROPERTIES;

static_assert(sizeof(Seam) == sizeof(Sdk));
static_assert(alignof(Seam) == alignof(Sdk));
static_assert(offsetof(Seam, dwFlags) == offsetof(Sdk, dwFlags));
static_assert(offsetof(Seam, rcDestination) == offsetof(Sdk, rcDestination));
static_assert(offsetof(Seam, rcSource) == offsetof(Sdk, rcSource));
static_assert(offsetof(Seam, opacity) == offsetof(Sdk, opacity));
static_assert(offsetof(Seam, fVisible) == offsetof(Sdk, fVisible));
static_assert(offsetof(Seam, fSourceClientAreaOnly) == offsetof(Sdk, fSourceClientAreaOnly));

static_assert(plat::DWMWA_CLOAKED == ::DWMWA_CLOAKED);

static_assert(sizeof(plat::MARGINS) == sizeof(::MARGINS));
static_assert(offsetof(plat::MARGINS, cxLeftWidth) == offsetof(::MARGINS, cxLeftWidth));
static_assert(offsetof(plat::MARGINS, cyBottomHeight) == offsetof(::MARGINS, cyBottomHeight));

}  // namespace
}  // namespace win32
