// Windows bitmap files written in memory, field by field, for the tests
// and the end-to-end driver: the account pictures they plant, and the
// forged and unusual headers the decoder tests feed the program. The
// program itself writes no bitmap.
#pragma once

#include <cstdint>
#include <functional>
#include <vector>

namespace bmp_writer {

using Bytes = std::vector<std::uint8_t>;

// Rows are given in file order, unpadded; the writer pads them to four
// bytes. Every size is written as given, so that a test can forge one.
struct BmpFile {
  std::uint32_t header_size = 40;  // 12, 40, 108 or 124
  std::int32_t width = 0;
  std::int32_t height = 0;  // negative: top-down
  std::uint16_t bits = 24;
  std::uint32_t compression = 0;
  std::uint32_t image_size = 0;  // biSizeImage; 0 is allowed for BI_RGB
  std::uint32_t colours_used = 0;
  std::vector<std::uint32_t> masks{};    // after a 40-byte header, or in a V4/V5 one
  std::vector<std::uint32_t> palette{};  // 0x00RRGGBB
  std::vector<Bytes> rows{};
  Bytes bytes() const;
};

// A 24-bit picture, bottom-up, with its image size filled in as a paint
// program writes it; `rgb(x, y)` is 0x00RRGGBB, y counted from the top.
Bytes rgb_bitmap(int width, int height, const std::function<std::uint32_t(int x, int y)>& rgb);

}  // namespace bmp_writer
