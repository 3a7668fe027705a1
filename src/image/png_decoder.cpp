// PNG files through libpng's simplified reading interface. It keeps
// libpng's setjmp/longjmp error handling inside the library (each call
// returns a flag and leaves the message in the control structure), so no
// longjmp ever crosses a C++ frame here. It also expands palettes, tRNS
// colours, grey and 16-bit samples and interlacing to 8-bit BGRA by itself.
#include <bit>
#include <cstring>
#include <png.h>

#include "image/decode.h"
#include "image/picture_limits.h"

namespace image {
namespace {

static_assert(std::endian::native == std::endian::little,
              "BGRA bytes are read as 0xAARRGGBB words on little-endian machines");

class PngReader {
 public:
  PngReader() {
    std::memset(&image_, 0, sizeof image_);
    image_.version = PNG_IMAGE_VERSION;
  }
  ~PngReader() { png_image_free(&image_); }
  PngReader(const PngReader&) = delete;
  PngReader& operator=(const PngReader&) = delete;

  png_image& get() { return image_; }
  std::string message() const {
    return image_.message[0] ? std::string(image_.message) : std::string("PNG image is not valid");
  }

 private:
  png_image image_;
};

}  // namespace

DecodeResult decode_png(std::span<const std::uint8_t> data) {
  // libpng reports an empty buffer only as "invalid argument".
  if (data.empty()) return std::unexpected(std::string("PNG image is empty"));
  PngReader reader;
  png_image& image = reader.get();
  if (!png_image_begin_read_from_memory(&image, data.data(), data.size())) return std::unexpected(reader.message());
  if (auto too_large = check_picture_size(image.width, image.height)) return std::unexpected(*too_large);

  image.format = PNG_FORMAT_BGRA;
  // Without this, 16-bit files lacking gAMA/sRGB are taken as linear light
  // and come out much too bright; nearly all such files are sRGB-encoded.
  image.flags |= PNG_IMAGE_FLAG_16BIT_sRGB;
  plat::Image out = plat::Image::blank(static_cast<int>(image.width), static_cast<int>(image.height));
  if (!png_image_finish_read(&image, nullptr, out.pixels.data(), 0, nullptr)) return std::unexpected(reader.message());
  return out;
}

}  // namespace image
