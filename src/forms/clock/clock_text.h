// The date and time texts of the clock panel and the lock screen.
#pragma once

#include <string>

#include "platform/winapi.h"

// "hh:mm" on a 24-hour clock: "00:05".
std::string time_text(const plat::SYSTEMTIME& time);

// The full weekday name, a line break (carriage return), the abbreviated
// month name, a comma, a blank and the day without a leading zero:
// "Friday\rMar, 3". The names come from the user's locale. The text lives
// in one buffer that the next call overwrites: take it (as a caption)
// before asking again.
const std::string& day_text(const plat::SYSTEMTIME& time);
