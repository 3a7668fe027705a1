#include "driver/bitmap_file.h"

#include <fstream>

#include "bmp_writer/bmp_writer.h"
#include "driver/session.h"

namespace e2e {

std::vector<char> bitmap_header(std::uint32_t width, std::uint32_t height, std::size_t pixel_bytes, char fill) {
  const bmp_writer::BmpFile file{.width = static_cast<std::int32_t>(width),
                                 .height = static_cast<std::int32_t>(height),
                                 .image_size = static_cast<std::uint32_t>(pixel_bytes),
                                 .rows = {bmp_writer::Bytes(pixel_bytes, static_cast<std::uint8_t>(fill))}};
  const bmp_writer::Bytes bytes = file.bytes();
  return {bytes.begin(), bytes.end()};
}

std::vector<char> bitmap_file(int width, int height, const std::function<Rgb(int x, int y)>& pixel) {
  const bmp_writer::Bytes bytes = bmp_writer::rgb_bitmap(width, height, [&](int x, int y) {
    const Rgb c = pixel(x, y);
    return std::uint32_t{c.r} << 16 | std::uint32_t{c.g} << 8 | c.b;
  });
  return {bytes.begin(), bytes.end()};
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
