#include "platform/win32/dib.h"

#include <algorithm>
#include <memory>

namespace win32 {

namespace {

std::uint32_t premultiply(std::uint32_t argb) {
  const unsigned a = plat::alpha_of(argb);
  auto scale = [a](unsigned c) { return static_cast<std::uint8_t>((c * a + 127) / 255); };
  return plat::argb(static_cast<std::uint8_t>(a), scale(plat::red_of(argb)), scale(plat::green_of(argb)),
                    scale(plat::blue_of(argb)));
}

bool all_opaque(const plat::Image& image) {
  return std::all_of(image.pixels.begin(), image.pixels.end(),
                     [](std::uint32_t p) { return plat::alpha_of(p) == 255; });
}

}  // namespace

BITMAPINFO top_down_info(int width, int height) {
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;  // negative: rows top-down, as in the picture
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  return info;
}

std::optional<DibSection> make_dib(const plat::Image& image, AlphaForm form) {
  if (image.empty()) return {};
  const BITMAPINFO info = top_down_info(image.width, image.height);
  void* bits = nullptr;
  GdiObject<HBITMAP> bitmap(::CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
  if (!bitmap || !bits) return {};

  auto* out = static_cast<std::uint32_t*>(bits);
  if (form == AlphaForm::Premultiplied) {
    std::copy(image.pixels.begin(), image.pixels.end(), out);
  } else {
    std::transform(image.pixels.begin(), image.pixels.end(), out, premultiply);
  }
  // GDI may batch; the bits must be final before the bitmap is used.
  ::GdiFlush();
  return DibSection{std::move(bitmap), image.width, image.height};
}

const DibSection* cached_dib(const plat::Image& image) {
  if (image.native) return static_cast<const DibSection*>(image.native.get());
  if (image.empty()) return nullptr;
  std::optional<DibSection> dib;
  if (all_opaque(image)) {
    dib = DibSection{{}, image.width, image.height, true};
  } else {
    dib = make_dib(image, AlphaForm::Straight);
  }
  if (!dib) return nullptr;
  auto held = std::make_shared<DibSection>(std::move(*dib));
  image.native = held;
  return held.get();
}

}  // namespace win32
