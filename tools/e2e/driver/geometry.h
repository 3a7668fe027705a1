// Screen geometry and colours as the harness reads them off the X server:
// screen pixels, origin at the top-left, colours as 8-bit red, green, blue.
#pragma once

#include <cstdint>
#include <ostream>

namespace e2e {

struct Point {
  int x = 0;
  int y = 0;
  friend bool operator==(const Point&, const Point&) = default;
};

struct ScreenSize {
  int width = 1024;
  int height = 768;
  int depth = 24;
  friend bool operator==(const ScreenSize&, const ScreenSize&) = default;
};

struct Rect {
  int x = 0;
  int y = 0;
  int width = 0;
  int height = 0;

  int right() const { return x + width; }    // one past the last column
  int bottom() const { return y + height; }  // one past the last row
  bool empty() const { return width <= 0 || height <= 0; }
  bool contains(Point p) const { return p.x >= x && p.y >= y && p.x < right() && p.y < bottom(); }
  Point center() const { return {x + width / 2, y + height / 2}; }
  friend bool operator==(const Rect&, const Rect&) = default;
};

struct Rgb {
  std::uint8_t r = 0;
  std::uint8_t g = 0;
  std::uint8_t b = 0;
  friend bool operator==(const Rgb&, const Rgb&) = default;
};

std::ostream& operator<<(std::ostream& out, Point p);
std::ostream& operator<<(std::ostream& out, Rect r);
std::ostream& operator<<(std::ostream& out, Rgb c);

}  // namespace e2e
