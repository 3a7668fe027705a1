// The screen as a person sees it: the root window's pixels, read once with
// XGetImage and kept, so that several assertions look at the same moment.
// The pointer is not part of it (X draws the cursor separately).
#pragma once

#include <cstdint>
#include <expected>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "driver/geometry.h"
#include "driver/x_connection.h"

namespace e2e {

class Screenshot {
 public:
  static std::expected<Screenshot, std::string> capture(const XConnection& x);
  static std::expected<Screenshot, std::string> capture(const XConnection& x, Rect area);
  // A picture file as a screenshot of `size` with its top-left at
  // `origin` would hold it: decoded by ImageMagick rather than by the
  // program's own code, and made into that size by `operations`
  // (ImageMagick's options, such as a crop or a resize).
  static std::expected<Screenshot, std::string> decode(const std::filesystem::path& picture,
                                                       const std::string& operations, ScreenSize size,
                                                       Point origin = {});
  Screenshot(int width, int height, std::vector<Rgb> pixels, Point origin = {});

  int width() const { return width_; }
  int height() const { return height_; }
  // Where the top-left pixel sits on the screen.
  Point origin() const { return origin_; }
  Rect bounds() const { return {origin_.x, origin_.y, width_, height_}; }
  // The same pixels with their top-left at `origin`: a picture laid where
  // the screen should show it, for same_as.
  Screenshot placed_at(Point origin) const { return Screenshot(width_, height_, pixels_, origin); }

  // A pixel by screen coordinates; black outside the captured area.
  Rgb at(Point screen) const;
  Rgb at(int x, int y) const { return at(Point{x, y}); }

  // Counting over a rectangle in screen coordinates, cut to the capture.
  double fraction(Rect area, const std::function<bool(Rgb)>& test) const;
  bool all(Rect area, const std::function<bool(Rgb)>& test) const { return fraction(area, test) == 1.0; }
  bool none(Rect area, const std::function<bool(Rgb)>& test) const { return fraction(area, test) == 0.0; }
  // The mean colour of a rectangle.
  Rgb mean(Rect area) const;
  // The fraction of a rectangle whose pixels match another screenshot's:
  // what stayed as it was.
  double same_as(const Screenshot& before, Rect area, int tolerance = 16) const;

  std::expected<void, std::string> write_png(const std::filesystem::path& path) const;

 private:
  int width_;
  int height_;
  Point origin_;
  std::vector<Rgb> pixels_;  // rows top to bottom
};

// Colour tests for Screenshot::fraction and friends. "Near" allows the
// rounding of Wine's blending and of JPEG pictures.
bool near(Rgb a, Rgb b, int tolerance = 24);
inline auto near_to(Rgb colour, int tolerance = 24) {
  return [=](Rgb c) { return near(c, colour, tolerance); };
}
inline bool near_white(Rgb c) { return c.r >= 224 && c.g >= 224 && c.b >= 224; }
inline bool near_black(Rgb c) { return c.r <= 32 && c.g <= 32 && c.b <= 32; }

}  // namespace e2e
