#include "driver/screenshot.h"

#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <png.h>

#include <algorithm>
#include <bit>
#include <cstdio>
#include <cstdlib>
#include <memory>

namespace e2e {
namespace {

// One channel from a pixel value and its mask, scaled to 8 bits.
std::uint8_t channel(unsigned long pixel, unsigned long mask) {
  if (mask == 0) return 0;
  const int shift = std::countr_zero(mask);
  const int bits = std::popcount(mask);
  const unsigned long value = (pixel & mask) >> shift;
  return static_cast<std::uint8_t>(bits >= 8 ? value >> (bits - 8) : value * 255 / ((1UL << bits) - 1));
}

struct XImageDeleter {
  void operator()(XImage* image) const { XDestroyImage(image); }
};
using XImagePtr = std::unique_ptr<XImage, XImageDeleter>;

struct FileCloser {
  void operator()(std::FILE* f) const { std::fclose(f); }
};

struct PipeCloser {
  void operator()(std::FILE* f) const { ::pclose(f); }
};

}  // namespace

bool near(Rgb a, Rgb b, int tolerance) {
  return std::abs(a.r - b.r) <= tolerance && std::abs(a.g - b.g) <= tolerance && std::abs(a.b - b.b) <= tolerance;
}

std::expected<Screenshot, std::string> Screenshot::decode(const std::filesystem::path& picture,
                                                         const std::string& operations, ScreenSize size,
                                                         Point origin) {
  const std::string command = "/usr/bin/convert '" + picture.string() + "' " + operations + " -depth 8 rgb:-";
  std::unique_ptr<std::FILE, PipeCloser> pipe(::popen(command.c_str(), "r"));
  if (!pipe) return std::unexpected("cannot run " + command);
  std::vector<Rgb> pixels(static_cast<std::size_t>(size.width) * static_cast<std::size_t>(size.height));
  static_assert(sizeof(Rgb) == 3);
  const std::size_t got = std::fread(pixels.data(), 3, pixels.size(), pipe.get());
  if (got != pixels.size()) return std::unexpected("short output from " + command);
  return Screenshot(size.width, size.height, std::move(pixels), origin);
}

Screenshot::Screenshot(int width, int height, std::vector<Rgb> pixels, Point origin)
    : width_(width), height_(height), origin_(origin), pixels_(std::move(pixels)) {}

std::expected<Screenshot, std::string> Screenshot::capture(const XConnection& x) {
  const ScreenSize size = x.screen_size();
  const Point o = x.windows_origin();
  return capture(x, {-o.x, -o.y, size.width, size.height});
}

std::expected<Screenshot, std::string> Screenshot::capture(const XConnection& x, Rect area) {
  const Point o = x.windows_origin();
  XImagePtr image(XGetImage(x.get(), x.root(), area.x + o.x, area.y + o.y, static_cast<unsigned>(area.width),
                            static_cast<unsigned>(area.height), AllPlanes, ZPixmap));
  if (!image) return std::unexpected("XGetImage of the root window failed");
  std::vector<Rgb> pixels;
  pixels.reserve(static_cast<std::size_t>(area.width) * static_cast<std::size_t>(area.height));
  const bool fast = image->bits_per_pixel == 32 && image->red_mask == 0xFF0000 && image->green_mask == 0xFF00 &&
                    image->blue_mask == 0xFF && image->byte_order == LSBFirst;
  for (int row = 0; row < area.height; ++row) {
    const auto* line = reinterpret_cast<const std::uint8_t*>(image->data) + row * image->bytes_per_line;
    for (int col = 0; col < area.width; ++col) {
      if (fast) {
        const std::uint8_t* p = line + col * 4;
        pixels.push_back({p[2], p[1], p[0]});
      } else {
        const unsigned long v = XGetPixel(image.get(), col, row);
        pixels.push_back({channel(v, image->red_mask), channel(v, image->green_mask), channel(v, image->blue_mask)});
      }
    }
  }
  return Screenshot(area.width, area.height, std::move(pixels), {area.x, area.y});
}

Rgb Screenshot::at(Point screen) const {
  const int x = screen.x - origin_.x, y = screen.y - origin_.y;
  if (x < 0 || y < 0 || x >= width_ || y >= height_) return {};
  return pixels_[static_cast<std::size_t>(y) * static_cast<std::size_t>(width_) + static_cast<std::size_t>(x)];
}

double Screenshot::fraction(Rect area, const std::function<bool(Rgb)>& test) const {
  const int x0 = std::max(area.x, origin_.x), y0 = std::max(area.y, origin_.y);
  const int x1 = std::min(area.right(), origin_.x + width_), y1 = std::min(area.bottom(), origin_.y + height_);
  if (x1 <= x0 || y1 <= y0) return 0.0;
  long hits = 0;
  for (int y = y0; y < y1; ++y) {
    for (int x = x0; x < x1; ++x) hits += test(at(x, y)) ? 1 : 0;
  }
  return static_cast<double>(hits) / (static_cast<double>(x1 - x0) * (y1 - y0));
}

Rgb Screenshot::mean(Rect area) const {
  long r = 0, g = 0, b = 0, n = 0;
  for (int y = std::max(area.y, origin_.y); y < std::min(area.bottom(), origin_.y + height_); ++y) {
    for (int x = std::max(area.x, origin_.x); x < std::min(area.right(), origin_.x + width_); ++x) {
      const Rgb c = at(x, y);
      r += c.r;
      g += c.g;
      b += c.b;
      ++n;
    }
  }
  if (n == 0) return {};
  return {static_cast<std::uint8_t>(r / n), static_cast<std::uint8_t>(g / n), static_cast<std::uint8_t>(b / n)};
}

std::expected<void, std::string> Screenshot::write_png(const std::filesystem::path& path) const {
  std::unique_ptr<std::FILE, FileCloser> file(std::fopen(path.c_str(), "wb"));
  if (!file) return std::unexpected("cannot write " + path.string());
  png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
  png_infop info = png ? png_create_info_struct(png) : nullptr;
  // libpng reports errors by longjmp; its structures are released on both paths.
  struct PngGuard {
    png_structp* png;
    png_infop* info;
    ~PngGuard() { png_destroy_write_struct(png, info); }
  } guard{&png, &info};
  if (!png || !info) return std::unexpected("libpng could not start");
  if (setjmp(png_jmpbuf(png))) return std::unexpected("libpng failed writing " + path.string());
  png_init_io(png, file.get());
  png_set_IHDR(png, info, static_cast<png_uint_32>(width_), static_cast<png_uint_32>(height_), 8, PNG_COLOR_TYPE_RGB,
               PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
  png_write_info(png, info);
  static_assert(sizeof(Rgb) == 3);
  for (int row = 0; row < height_; ++row) {
    auto* line = const_cast<Rgb*>(pixels_.data() + static_cast<std::size_t>(row) * static_cast<std::size_t>(width_));
    png_write_row(png, reinterpret_cast<png_bytep>(line));
  }
  png_write_end(png, nullptr);
  return {};
}

double Screenshot::same_as(const Screenshot& before, Rect area, int tolerance) const {
  int same = 0, all = 0;
  for (int y = area.y; y < area.bottom(); ++y) {
    for (int x = area.x; x < area.right(); ++x) {
      ++all;
      if (near(at(x, y), before.at(x, y), tolerance)) ++same;
    }
  }
  return all ? static_cast<double>(same) / all : 0.0;
}

}  // namespace e2e
