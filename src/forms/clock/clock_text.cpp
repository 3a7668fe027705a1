#include "forms/clock/clock_text.h"

#include <cstdio>

#include "platform/platform.h"

std::string time_text(const plat::SYSTEMTIME& time) {
  char text[16];
  std::snprintf(text, sizeof text, "%02u:%02u", static_cast<unsigned>(time.wHour), static_cast<unsigned>(time.wMinute));
  return text;
}

const std::string& day_text(const plat::SYSTEMTIME& time) {
  // Built in place in one buffer: after the first ticks it has room for
  // every day's text, so the clocks' once-a-second ticks do not allocate.
  static std::string text;
  text.clear();
  text += plat::os().long_day_name(time.wDayOfWeek);
  text += '\r';
  text += plat::os().short_month_name(time.wMonth);
  text += ", ";
  char day[8];
  std::snprintf(day, sizeof day, "%u", static_cast<unsigned>(time.wDay));
  text += day;
  return text;
}
