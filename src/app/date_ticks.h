// Ticks of a date axis: the first days of months or of years inside a window, every 1, 2,
// 3 or 6 months or every 1, 2, 5, 10, 20, 50 ... years, with their texts.
#pragma once

#include <string>
#include <vector>

namespace app {

struct DateTicks {
  std::vector<double> jd;          // Julian dates (0 h of the day), increasing
  std::vector<std::string> texts;  // "2020-03" for months, "2020" for years
};

// Every tick set of the window from_jd..to_jd, from the finest to the coarsest, up to one
// with a single tick or none; the caller takes the first whose texts fit.
std::vector<DateTicks> date_tick_choices(double from_jd, double to_jd);

// "YYYY-MM-DD" of the day that holds the Julian date (proleptic Gregorian calendar).
std::string calendar_day(double jd);

}  // namespace app
