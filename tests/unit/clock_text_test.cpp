// The clock texts shared by the clock panel and the lock screen, with the
// simulated desktop's English names.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "forms/clock/clock_text.h"
#include "platform/sim/desktop.h"

namespace {

struct Row {
  plat::SYSTEMTIME time;  // year, month, day of week, day, hour, minute, second
  const char* time_text;
  const char* day_text;
};

TEST(ClockText, TimeAndDayTexts) {
  sim::Desktop desktop;
  desktop.install();
  const std::vector<Row> rows = {
      // five past midnight on the 3rd: no leading zero on a one-digit day
      {{2024, 3, 0, 3, 0, 5, 0, 0}, "00:05", "Sunday\rMar, 3"},
      {{2023, 12, 0, 31, 23, 59, 59, 999}, "23:59", "Sunday\rDec, 31"},
      // a 24-hour clock: one in the afternoon is 13
      {{2025, 1, 3, 1, 13, 0, 0, 0}, "13:00", "Wednesday\rJan, 1"},
      {{2025, 6, 6, 14, 9, 7, 0, 0}, "09:07", "Saturday\rJun, 14"},
      {{2025, 9, 1, 22, 12, 30, 0, 0}, "12:30", "Monday\rSep, 22"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.time_text);
    EXPECT_EQ(time_text(row.time), row.time_text);
    EXPECT_EQ(day_text(row.time), row.day_text);
  }
}

}  // namespace
