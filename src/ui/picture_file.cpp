#include "ui/picture_file.h"
#include "ui/strings.h"

#include <string>

#include "platform/platform.h"
#include "ui/error.h"
#include "image/decode.h"

namespace ui {
namespace {

std::vector<std::uint8_t> read_or_raise(std::string_view path) {
  std::string p(path);
  auto bytes = plat::os().read_file(p.c_str());
  if (!bytes) {
    auto& os = plat::os();
    throw Error(cat("Cannot open file \"", p, "\". ", os.system_error_text(os.GetLastError())));
  }
  return std::move(*bytes);
}

// Decoder messages may end in a full stop of their own; the error box
// adds exactly one.
std::string trimmed(std::string message) {
  while (!message.empty() && (message.back() == '.' || message.back() == ' ' || message.back() == '\n')) {
    message.pop_back();
  }
  return message;
}

}  // namespace

plat::Image load_picture_file(std::string_view path) {
  auto bytes = read_or_raise(path);
  auto image = image::decode_picture(bytes);
  if (!image) throw Error(cat("Cannot open file \"", path, "\". ", trimmed(image.error())));
  return std::move(*image);
}

plat::Image load_bitmap_file(std::string_view path) {
  auto bytes = read_or_raise(path);
  auto image = image::decode_bmp(bytes);
  if (!image) {
    if (image::sniff_picture(bytes) != image::PictureKind::Bitmap) throw Error("Bitmap image is not valid");
    throw Error(cat("Cannot open file \"", path, "\". ", trimmed(image.error())));
  }
  return std::move(*image);
}

plat::Image load_picture_resource(std::string_view name) {
  auto bytes = plat::os().load_resource(name);
  if (!bytes) throw Error(cat("Picture ", name, " is missing from the program's resources"));
  auto image = image::decode_picture(*bytes);
  if (!image) throw Error(cat("Picture ", name, ": ", image.error()));
  return std::move(*image);
}

}  // namespace ui
