// Writes small valid pictures of every layout the decoders know into the
// corpus folders, as the fuzzers' starting points:
//   fuzz_seeds <corpus folder>
#include <cstdio>
#include <string>
#include <png.h>

#include "unit/image_test_files.h"

namespace {

using image_test::Bytes;

bool write(const std::string& path, const Bytes& b) {
  std::FILE* f = std::fopen(path.c_str(), "wb");
  if (!f) return false;
  const bool ok = std::fwrite(b.data(), 1, b.size(), f) == b.size();
  return std::fclose(f) == 0 && ok;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: fuzz_seeds <corpus folder>\n");
    return 2;
  }
  const std::string dir = argv[1];
  Bytes grey(8 * 6), rgb(8 * 6 * 3);
  for (std::size_t i = 0; i < grey.size(); ++i) grey[i] = static_cast<std::uint8_t>(i * 29 % 256);
  for (std::size_t i = 0; i < rgb.size(); ++i) rgb[i] = static_cast<std::uint8_t>(i * 13 % 256);
  std::vector<Bytes> rows8, rows4, rows16, rows24;
  for (int y = 0; y < 6; ++y) {
    rows8.emplace_back(grey.begin() + y * 8, grey.begin() + y * 8 + 8);
    rows4.push_back(Bytes(4, static_cast<std::uint8_t>(y * 17)));
    rows16.push_back(Bytes(16, static_cast<std::uint8_t>(y * 33)));
    rows24.emplace_back(rgb.begin() + y * 24, rgb.begin() + y * 24 + 24);
  }
  std::vector<std::uint32_t> palette(16);
  for (std::size_t i = 0; i < palette.size(); ++i) palette[i] = static_cast<std::uint32_t>(i * 0x101010);
  using image_test::BmpFile;
  using image_test::JpegMode;
  using image_test::PngFile;
  const std::pair<const char*, Bytes> files[] = {
      {"bmp/seed_8bit", BmpFile{.width = 8, .height = 6, .bits = 8, .palette = palette, .rows = rows8}.bytes()},
      {"bmp/seed_4bit_topdown", BmpFile{.width = 8, .height = -6, .bits = 4, .palette = palette, .rows = rows4}.bytes()},
      {"bmp/seed_1bit_core", BmpFile{.header_size = 12, .width = 32, .height = 6, .bits = 1, .palette = {0, 0xFFFFFF},
                                     .rows = rows4}.bytes()},
      {"bmp/seed_16bit_fields", BmpFile{.width = 8, .height = 6, .bits = 16, .compression = 3,
                                        .masks = {0xF800, 0x07E0, 0x001F}, .rows = rows16}.bytes()},
      {"bmp/seed_24bit", BmpFile{.width = 8, .height = 6, .bits = 24, .rows = rows24}.bytes()},
      {"bmp/seed_32bit_v5", BmpFile{.header_size = 124, .width = 4, .height = 6, .bits = 32, .compression = 3,
                                    .masks = {0xFF0000, 0xFF00, 0xFF, 0xFF000000}, .rows = rows16}.bytes()},
      {"png/seed_palette_interlaced", PngFile{.width = 8, .height = 6, .bit_depth = 4, .colour_type = PNG_COLOR_TYPE_PALETTE,
                                              .interlaced = true, .palette = palette, .palette_alpha = {0, 128},
                                              .rows = rows4}.bytes()},
      {"png/seed_grey16_trns", PngFile{.width = 4, .height = 6, .bit_depth = 16, .colour_type = PNG_COLOR_TYPE_GRAY,
                                       .trns_grey = 5, .rows = rows8}.bytes()},
      {"png/seed_rgb", PngFile{.width = 8, .height = 6, .colour_type = PNG_COLOR_TYPE_RGB, .rows = rows24}.bytes()},
      {"png/seed_grey_alpha", PngFile{.width = 4, .height = 6, .colour_type = PNG_COLOR_TYPE_GRAY_ALPHA, .rows = rows8}.bytes()},
      {"jpeg/seed_grey", image_test::make_jpeg(8, 6, 1, grey, JpegMode::Baseline)},
      {"jpeg/seed_rgb_progressive", image_test::make_jpeg(8, 6, 3, rgb, JpegMode::Progressive)},
      {"jpeg/seed_cmyk", image_test::make_jpeg(2, 6, 4, rgb, JpegMode::Baseline)},
      {"jpeg/seed_rgb", image_test::make_jpeg(8, 6, 3, rgb, JpegMode::Baseline, 50)},
  };
  for (const auto& [name, bytes] : files) {
    if (!write(dir + "/" + name, bytes)) {
      std::fprintf(stderr, "fuzz_seeds: cannot write %s/%s\n", dir.c_str(), name);
      return 1;
    }
  }
  return 0;
}
