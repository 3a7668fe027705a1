#include <algorithm>
#include <array>

#include "image/decode.h"

namespace image {

namespace {

bool starts_with(std::span<const std::uint8_t> data, std::span<const std::uint8_t> signature) {
  return data.size() >= signature.size() && std::equal(signature.begin(), signature.end(), data.begin());
}

constexpr std::array<std::uint8_t, 2> bitmap_signature{'B', 'M'};
constexpr std::array<std::uint8_t, 8> png_signature{0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
constexpr std::array<std::uint8_t, 3> jpeg_signature{0xFF, 0xD8, 0xFF};

}  // namespace

PictureKind sniff_picture(std::span<const std::uint8_t> data) {
  if (starts_with(data, bitmap_signature)) return PictureKind::Bitmap;
  if (starts_with(data, png_signature)) return PictureKind::Png;
  if (starts_with(data, jpeg_signature)) return PictureKind::Jpeg;
  return PictureKind::Unknown;
}

DecodeResult decode_picture(std::span<const std::uint8_t> data) {
  switch (sniff_picture(data)) {
    case PictureKind::Bitmap:
      return decode_bmp(data);
    case PictureKind::Png:
      return decode_png(data);
    case PictureKind::Jpeg:
      return decode_jpeg(data);
    case PictureKind::Unknown:
      break;
  }
  return std::unexpected(std::string("Picture format is not recognised"));
}

}  // namespace image
