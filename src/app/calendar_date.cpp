// Calendar days and decimal years of Julian dates.
#include "app/calendar_date.h"

#include <chrono>
#include <cmath>
#include <cstdio>

#include "dynamics/constants.h"

namespace app {

namespace {

constexpr double kUnixEpochJd = 2440587.5;  // 1970-01-01 00:00
constexpr double kJ2000Jd = 2451545.0;

}  // namespace

std::string calendar_date(double jd) {
  const std::chrono::sys_days day{std::chrono::days{static_cast<int>(std::floor(jd - kUnixEpochJd))}};
  const std::chrono::year_month_day ymd{day};
  char text[32];
  std::snprintf(text, sizeof text, "%04d-%02u-%02u", static_cast<int>(ymd.year()), static_cast<unsigned>(ymd.month()),
                static_cast<unsigned>(ymd.day()));
  return text;
}

double decimal_year(double jd) { return 2000.0 + (jd - kJ2000Jd) / dynamics::kDaysPerYear; }

}  // namespace app
