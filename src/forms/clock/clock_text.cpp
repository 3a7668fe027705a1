#include "forms/clock/clock_text.h"

#include <cstdio>

#include "platform/platform.h"

std::string time_text(const plat::SYSTEMTIME& time) {
  char text[16];
  std::snprintf(text, sizeof text, "%02u:%02u", static_cast<unsigned>(time.wHour), static_cast<unsigned>(time.wMinute));
  return text;
}

std::string day_text(const plat::SYSTEMTIME& time) {
  std::string text = plat::os().long_day_name(time.wDayOfWeek);
  text += '\r';
  text += plat::os().short_month_name(time.wMonth);
  text += ", ";
  text += std::to_string(time.wDay);
  return text;
}
