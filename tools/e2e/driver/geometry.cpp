#include "driver/geometry.h"

#include <iomanip>

namespace e2e {

std::ostream& operator<<(std::ostream& out, Point p) { return out << '(' << p.x << ", " << p.y << ')'; }

std::ostream& operator<<(std::ostream& out, Rect r) {
  return out << r.width << 'x' << r.height << '+' << r.x << '+' << r.y;
}

std::ostream& operator<<(std::ostream& out, Rgb c) {
  const auto flags = out.flags();
  out << '#' << std::hex << std::setfill('0') << std::setw(2) << int{c.r} << std::setw(2) << int{c.g}
      << std::setw(2) << int{c.b};
  out.flags(flags);
  return out;
}

}  // namespace e2e
