// Fonts by name, height and weight, made once per process and kept.
#pragma once

#include "platform/canvas.h"
#include "platform/win32/win32_headers.h"

namespace win32 {

// Never null: a font the system cannot make falls back to the GUI font.
HFONT cached_font(const plat::Font& font);

}  // namespace win32
