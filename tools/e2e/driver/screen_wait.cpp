#include "driver/screen_wait.h"

#include <optional>
#include <thread>

#include "driver/wait.h"

namespace e2e {

double changed_fraction(const Screenshot& a, const Screenshot& b) {
  if (a.width() != b.width() || a.height() != b.height()) return 1.0;
  long changed = 0;
  for (int y = 0; y < a.height(); ++y) {
    for (int x = 0; x < a.width(); ++x) changed += a.at(x, y) == b.at(x, y) ? 0 : 1;
  }
  return static_cast<double>(changed) / (static_cast<double>(a.width()) * a.height());
}

std::optional<Screenshot> wait_for_screen(const XConnection& x, std::chrono::milliseconds timeout,
                                          const std::function<bool(const Screenshot&)>& shows) {
  return wait_until(timeout, [&]() -> std::optional<Screenshot> {
    auto shot = Screenshot::capture(x);
    if (shot && shows(*shot)) return std::move(*shot);
    return std::nullopt;
  });
}

std::expected<Screenshot, std::string> wait_until_still(const XConnection& x, std::chrono::milliseconds still,
                                                        std::chrono::milliseconds timeout, double tolerance) {
  const auto deadline = Clock::now() + timeout;
  auto reference = Screenshot::capture(x);
  if (!reference) return reference;
  auto since = Clock::now();
  for (;;) {
    std::this_thread::sleep_for(milliseconds{100});
    auto now_shot = Screenshot::capture(x);
    if (!now_shot) return now_shot;
    if (changed_fraction(*reference, *now_shot) > tolerance) {
      reference = std::move(now_shot);
      since = Clock::now();
    } else if (Clock::now() - since >= still) {
      return now_shot;
    }
    if (Clock::now() >= deadline) return std::unexpected("the screen kept changing");
  }
}

}  // namespace e2e
