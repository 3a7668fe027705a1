#include "e2e/requirements.h"

#include <filesystem>
#include <string_view>

#include "e2e/paths.h"

namespace e2e {

std::optional<std::string> missing_tools() {
  namespace fs = std::filesystem;
  struct Need {
    std::string_view path, package;
  };
  static constexpr Need kNeeds[] = {
      {"/usr/bin/Xvfb", "xvfb"},
      {"/usr/bin/convert", "imagemagick"},
      {"/usr/bin/tesseract", "tesseract-ocr"},
      {"/usr/share/tesseract-ocr/5/tessdata/eng.traineddata", "tesseract-ocr-eng"},
      {"/usr/share/tesseract-ocr/5/tessdata/spa.traineddata", "tesseract-ocr-spa"},
      {"/usr/share/fonts/truetype/crosextra/Carlito-Regular.ttf", "fonts-crosextra-carlito"},
  };
  for (const Need& need : kNeeds) {
    if (!fs::exists(need.path)) {
      return "no " + std::string(need.path) + " (Debian package " + std::string(need.package) +
             "; scripts/install-deps installs it)";
    }
  }
  if (!fs::exists(paths::helper_exe())) {
    return "no helper exe at " + paths::helper_exe().string() + " (build the mingw-x86_64 preset first)";
  }
  return std::nullopt;
}

}  // namespace e2e
