// Loading pictures into controls, with the messages a person sees when a
// picture file is missing or damaged.
#pragma once

#include <string_view>

#include "platform/image.h"

namespace ui {

// Any bitmap, PNG or JPEG file, by its signature. A file that cannot be
// opened raises "Cannot open file "<path>". <system text>"; one that
// opens but does not decode raises the same with the decoder's message.
plat::Image load_picture_file(std::string_view path);
// A Windows bitmap file; without the "BM" signature it raises
// "Bitmap image is not valid".
plat::Image load_bitmap_file(std::string_view path);
// A picture carried in the program's resources.
plat::Image load_picture_resource(std::string_view name);

}  // namespace ui
