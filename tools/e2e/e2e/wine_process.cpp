#include "e2e/wine_process.h"

namespace e2e {

std::vector<XWindowInfo> WineProcess::x_windows(const XConnection& x) const {
  std::vector<XWindowInfo> mine;
  for (XWindowInfo& w : x_top_level_windows(x)) {
    if (w.pid == pid()) mine.push_back(std::move(w));
  }
  return mine;
}

}  // namespace e2e
