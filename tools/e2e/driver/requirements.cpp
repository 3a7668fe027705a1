#include "driver/requirements.h"

#include <filesystem>
#include <span>
#include <string_view>

#include "driver/paths.h"

namespace e2e {

namespace {

struct Need {
  std::string_view path, package;
};

std::optional<std::string> first_missing(std::span<const Need> needs) {
  for (const Need& need : needs) {
    if (!std::filesystem::exists(need.path)) {
      return "no " + std::string(need.path) + " (Debian package " + std::string(need.package) +
             "; scripts/install-deps installs it)";
    }
  }
  return std::nullopt;
}

}  // namespace

std::optional<std::string> missing_tools() {
  static constexpr Need kNeeds[] = {
      {"/usr/bin/Xvfb", "xvfb"},
      {"/usr/bin/convert", "imagemagick"},
      {"/usr/bin/tesseract", "tesseract-ocr"},
      {"/usr/share/tesseract-ocr/5/tessdata/eng.traineddata", "tesseract-ocr-eng"},
      {"/usr/share/tesseract-ocr/5/tessdata/spa.traineddata", "tesseract-ocr-spa"},
      {"/usr/share/fonts/truetype/crosextra/Carlito-Regular.ttf", "fonts-crosextra-carlito"},
  };
  if (auto missing = first_missing(kNeeds)) return missing;
  if (!std::filesystem::exists(paths::helper_exe())) {
    return "no helper exe at " + paths::helper_exe().string() + " (build the mingw-x86_64 preset first)";
  }
  return std::nullopt;
}

std::optional<std::string> missing_desk_tools() {
  static constexpr Need kNeeds[] = {
      {"/usr/lib/xorg/Xorg", "xserver-xorg-core"},
      {"/usr/lib/xorg/modules/drivers/dummy_drv.so", "xserver-xorg-video-dummy"},
      {"/usr/bin/xrandr", "x11-xserver-utils"},
  };
  return first_missing(kNeeds);
}

}  // namespace e2e
