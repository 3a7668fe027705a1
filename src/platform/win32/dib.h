// Pictures as top-down 32-bit DIB sections, the form AlphaBlend and
// UpdateLayeredWindow read.
#pragma once

#include <optional>

#include "platform/image.h"
#include "platform/win32/handles.h"

namespace win32 {

struct DibSection {
  GdiObject<HBITMAP> bitmap;
  int width = 0;
  int height = 0;
  // Every pixel's alpha is 255: drawing it is a copy, and a copy of a
  // screen-sized picture costs a fraction of a blend. Such a picture has
  // no bitmap of its own (see cached_dib).
  bool opaque = false;
};

// An opaque picture's pixels as a top-down 32-bit DIB header describes
// them, so that GDI copies straight from the picture's own memory.
BITMAPINFO top_down_info(int width, int height);

// How the picture's colour relates to its alpha. The system blends
// premultiplied colour only.
enum class AlphaForm { Straight, Premultiplied };

// A new DIB section holding the picture, premultiplied on the way if it
// was straight; nothing for an empty picture or when GDI refuses.
std::optional<DibSection> make_dib(const plat::Image& image, AlphaForm form);

// The straight-alpha picture's DIB, made on first use and kept in
// image.native until the picture is touched. An opaque picture gets no
// bitmap (only the note that it is opaque): it is copied from its own
// pixels, which spares a second screen-sized copy of every background.
const DibSection* cached_dib(const plat::Image& image);

}  // namespace win32
