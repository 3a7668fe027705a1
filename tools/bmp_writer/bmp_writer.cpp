#include "bmp_writer/bmp_writer.h"

namespace bmp_writer {
namespace {

void put16(Bytes& b, std::uint32_t v) {
  b.push_back(v & 0xFF);
  b.push_back(v >> 8 & 0xFF);
}
void put32(Bytes& b, std::uint32_t v) {
  put16(b, v & 0xFFFF);
  put16(b, v >> 16);
}

}  // namespace

Bytes BmpFile::bytes() const {
  Bytes info;
  put32(info, header_size);
  if (header_size == 12) {
    put16(info, width);
    put16(info, height);
    put16(info, 1);
    put16(info, bits);
  } else {
    put32(info, width);
    put32(info, height);
    put16(info, 1);
    put16(info, bits);
    put32(info, compression);
    put32(info, image_size);
    for (int i = 0; i < 2; ++i) put32(info, 0);  // resolution
    put32(info, colours_used);
    put32(info, 0);
    if (header_size > 40)
      for (std::size_t i = 0; i < 4; ++i) put32(info, i < masks.size() ? masks[i] : 0);
    info.resize(header_size, 0);
  }
  if (header_size == 40)
    for (std::uint32_t m : masks) put32(info, m);
  for (std::uint32_t c : palette) {
    info.push_back(c & 0xFF);
    info.push_back(c >> 8 & 0xFF);
    info.push_back(c >> 16 & 0xFF);
    if (header_size != 12) info.push_back(0);
  }
  Bytes pixels;
  for (const Bytes& row : rows) {
    pixels.insert(pixels.end(), row.begin(), row.end());
    pixels.resize((pixels.size() + 3) / 4 * 4, 0);
  }
  Bytes out{'B', 'M'};
  put32(out, static_cast<std::uint32_t>(14 + info.size() + pixels.size()));
  put32(out, 0);
  put32(out, static_cast<std::uint32_t>(14 + info.size()));
  out.insert(out.end(), info.begin(), info.end());
  out.insert(out.end(), pixels.begin(), pixels.end());
  return out;
}

Bytes rgb_bitmap(int width, int height, const std::function<std::uint32_t(int x, int y)>& rgb) {
  BmpFile file{.width = width, .height = height};
  for (int y = height - 1; y >= 0; --y) {
    Bytes row;
    row.reserve(static_cast<std::size_t>(width) * 3);
    for (int x = 0; x < width; ++x) {
      const std::uint32_t c = rgb(x, y);
      row.insert(row.end(), {static_cast<std::uint8_t>(c), static_cast<std::uint8_t>(c >> 8),
                             static_cast<std::uint8_t>(c >> 16)});
    }
    file.rows.push_back(std::move(row));
  }
  file.image_size = static_cast<std::uint32_t>((width * 3 + 3) / 4 * 4 * height);
  return file.bytes();
}

}  // namespace bmp_writer
