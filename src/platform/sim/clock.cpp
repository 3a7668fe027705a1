#include "platform/sim/clock.h"

namespace sim {
namespace {

constexpr std::int64_t kMsPerDay = 86'400'000;

// Days since 1970-01-01 of a civil date.
constexpr std::int64_t days_from_civil(std::int64_t y, unsigned m, unsigned d) {
  y -= m <= 2;
  const std::int64_t era = (y >= 0 ? y : y - 399) / 400;
  const auto yoe = static_cast<unsigned>(y - era * 400);
  const unsigned doy = (153 * (m > 2 ? m - 3 : m + 9) + 2) / 5 + d - 1;
  const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
  return era * 146097 + static_cast<std::int64_t>(doe) - 719468;
}

struct Civil {
  std::int64_t year;
  unsigned month;
  unsigned day;
};

constexpr Civil civil_from_days(std::int64_t z) {
  z += 719468;
  const std::int64_t era = (z >= 0 ? z : z - 146096) / 146097;
  const auto doe = static_cast<unsigned>(z - era * 146097);
  const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
  const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
  const unsigned mp = (5 * doy + 2) / 153;
  const unsigned d = doy - (153 * mp + 2) / 5 + 1;
  const unsigned m = mp < 10 ? mp + 3 : mp - 9;
  return {static_cast<std::int64_t>(yoe) + era * 400 + (m <= 2), m, d};
}

std::int64_t floor_div(std::int64_t a, std::int64_t b) { return a / b - ((a % b != 0) && ((a < 0) != (b < 0))); }

}  // namespace

std::int64_t to_epoch_ms(const SYSTEMTIME& t) {
  const std::int64_t days = days_from_civil(t.wYear, t.wMonth, t.wDay);
  return days * kMsPerDay + ((t.wHour * 60 + t.wMinute) * 60 + t.wSecond) * 1000LL + t.wMilliseconds;
}

SYSTEMTIME from_epoch_ms(std::int64_t ms) {
  const std::int64_t days = floor_div(ms, kMsPerDay);
  std::int64_t rest = ms - days * kMsPerDay;
  const Civil c = civil_from_days(days);
  SYSTEMTIME t;
  t.wYear = static_cast<std::uint16_t>(c.year);
  t.wMonth = static_cast<std::uint16_t>(c.month);
  t.wDay = static_cast<std::uint16_t>(c.day);
  // 1970-01-01 was a Thursday (4).
  t.wDayOfWeek = static_cast<std::uint16_t>(((days % 7) + 7 + 4) % 7);
  t.wMilliseconds = static_cast<std::uint16_t>(rest % 1000);
  rest /= 1000;
  t.wSecond = static_cast<std::uint16_t>(rest % 60);
  rest /= 60;
  t.wMinute = static_cast<std::uint16_t>(rest % 60);
  t.wHour = static_cast<std::uint16_t>(rest / 60);
  return t;
}

VirtualClock::VirtualClock() {
  // A Wednesday morning, so that weekday and month names are not all
  // first entries of their tables.
  SYSTEMTIME start;
  start.wYear = 2024;
  start.wMonth = 6;
  start.wDay = 5;
  start.wHour = 10;
  set_local_time(start);
}

void VirtualClock::set(Millis t) {
  if (t > now_) now_ = t;
}

void VirtualClock::set_local_time(const SYSTEMTIME& at_now) {
  local_epoch_ms_ = to_epoch_ms(at_now);
  set_at_ = now_;
}

SYSTEMTIME VirtualClock::local_time() const {
  return from_epoch_ms(local_epoch_ms_ + static_cast<std::int64_t>(now_ - set_at_));
}

}  // namespace sim
