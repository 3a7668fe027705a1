#include "e2e/bitmap_file.h"

#include <algorithm>
#include <fstream>

#include "e2e/session.h"

namespace e2e {
namespace {

void put_le(std::vector<char>& b, std::size_t at, std::uint32_t v, int bytes) {
  for (int i = 0; i < bytes; ++i) b[at + i] = static_cast<char>(v >> (8 * i));
}

constexpr std::size_t kHeaderBytes = 54;

}  // namespace

std::vector<char> bitmap_header(std::uint32_t width, std::uint32_t height, std::size_t pixel_bytes, char fill) {
  std::vector<char> b(kHeaderBytes + pixel_bytes, fill);
  std::fill(b.begin(), b.begin() + kHeaderBytes, 0);
  b[0] = 'B';
  b[1] = 'M';
  put_le(b, 2, static_cast<std::uint32_t>(b.size()), 4);
  put_le(b, 10, kHeaderBytes, 4);
  put_le(b, 14, 40, 4);  // the info header's size
  put_le(b, 18, width, 4);
  put_le(b, 22, height, 4);
  put_le(b, 26, 1, 2);  // planes
  put_le(b, 28, 24, 2);
  put_le(b, 34, static_cast<std::uint32_t>(pixel_bytes), 4);
  return b;
}

std::vector<char> bitmap_file(int width, int height, const std::function<Rgb(int x, int y)>& pixel) {
  const int row = (width * 3 + 3) / 4 * 4;
  std::vector<char> b = bitmap_header(width, height, static_cast<std::size_t>(row) * height);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      const Rgb c = pixel(x, height - 1 - y);
      const std::size_t at = kHeaderBytes + static_cast<std::size_t>(y) * row + static_cast<std::size_t>(x) * 3;
      b[at] = static_cast<char>(c.b);
      b[at + 1] = static_cast<char>(c.g);
      b[at + 2] = static_cast<char>(c.r);
    }
  }
  return b;
}

std::filesystem::path account_picture_path(const Session& session) {
  return session.prefix().temp_dir() / (WinePrefix::user_name() + ".bmp");
}

std::expected<void, std::string> place_account_picture(const Session& session, const std::vector<char>& bytes) {
  const std::filesystem::path path = account_picture_path(session);
  std::error_code error;
  std::filesystem::create_directories(path.parent_path(), error);
  std::ofstream out(path, std::ios::binary);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  if (!out) return std::unexpected("cannot write " + path.string());
  return {};
}

}  // namespace e2e
