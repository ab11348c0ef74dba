// Month and year ticks of a date axis.
#include "app/date_ticks.h"

#include <chrono>
#include <cmath>
#include <cstdio>

namespace app {

namespace {

constexpr double kJulianDateOfUnixEpoch = 2440587.5;  // 1970-01-01T00:00

std::chrono::year_month_day day_of(double jd) {
  return std::chrono::year_month_day(
      std::chrono::sys_days(std::chrono::days(static_cast<long>(std::floor(jd - kJulianDateOfUnixEpoch)))));
}

double jd_of(std::chrono::year_month_day day) {
  return kJulianDateOfUnixEpoch + static_cast<double>(std::chrono::sys_days(day).time_since_epoch().count());
}

// The first days of every `months` months (counted from January of year 0) inside the
// window; `yearly` writes them as years.
DateTicks ticks_every(double from_jd, double to_jd, int months, bool yearly) {
  DateTicks ticks;
  const std::chrono::year_month_day first = day_of(from_jd);
  long index = static_cast<long>(static_cast<int>(first.year())) * 12 + static_cast<long>(static_cast<unsigned>(first.month())) - 1;
  index = months * static_cast<long>(std::floor(static_cast<double>(index) / months));
  for (;; index += months) {
    const int year = static_cast<int>(std::floor(static_cast<double>(index) / 12.0));
    const unsigned month = static_cast<unsigned>(index - 12L * year) + 1;
    const double jd = jd_of(std::chrono::year(year) / std::chrono::month(month) / std::chrono::day(1));
    if (jd > to_jd) break;
    if (jd < from_jd) continue;
    char text[32];
    if (yearly) {
      std::snprintf(text, sizeof text, "%d", year);
    } else {
      std::snprintf(text, sizeof text, "%d-%02u", year, month);
    }
    ticks.jd.push_back(jd);
    ticks.texts.emplace_back(text);
  }
  return ticks;
}

}  // namespace

std::vector<DateTicks> date_tick_choices(double from_jd, double to_jd) {
  std::vector<DateTicks> choices;
  for (const int months : {1, 2, 3, 6}) choices.push_back(ticks_every(from_jd, to_jd, months, false));
  for (long years = 1;; years *= 10) {
    for (const long multiple : {1L, 2L, 5L}) {
      choices.push_back(ticks_every(from_jd, to_jd, static_cast<int>(12 * years * multiple), true));
      if (choices.back().jd.size() <= 1) return choices;
    }
  }
}

std::string calendar_day(double jd) {
  const std::chrono::year_month_day day = day_of(jd);
  char text[32];
  std::snprintf(text, sizeof text, "%04d-%02u-%02u", static_cast<int>(day.year()), static_cast<unsigned>(day.month()),
                static_cast<unsigned>(day.day()));
  return text;
}

}  // namespace app
