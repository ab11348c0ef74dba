// Planets by name or number and dates as Julian or calendar dates, read the same way by
// every subcommand.
#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <cstdio>
#include <optional>
#include <string>
#include <utility>

#include "cli/date_option.h"
#include "cli/julian_year.h"
#include "cli/planet_name.h"

namespace {

// Julian dates from published tables, not from the calendar arithmetic under test.
TEST(JulianDateOf, CalendarDatesAndJulianDates) {
  const std::pair<const char*, std::optional<double>> cases[] = {
      {"2000-01-01T12:00", 2451545.0},  // J2000.0
      {"1970-01-01", 2440587.5},        // the Unix epoch
      {"1858-11-17", 2400000.5},        // the epoch of modified Julian dates
      {"1582-10-15", 2299160.5},        // the first Gregorian day
      {"2020-01-01", 2458849.5},
      {"2024-02-29T18:00", 2460370.25},
      {"2020-01-01T12:00:30", 2458850.0 + 30.0 / 86400.0},
      {"2459000.5", 2459000.5},
      {"2021-02-29", std::nullopt}, {"2020-13-01", std::nullopt},       {"2020-01-01T24:00", std::nullopt},
      {"2020-01-01T12:60", std::nullopt}, {"2020-01-01T12", std::nullopt}, {"2020-1-1", std::nullopt},
      {"2020-01-01 12:00", std::nullopt}, {"", std::nullopt}, {"nan", std::nullopt}, {"inf", std::nullopt},
  };
  for (const auto& [text, expected] : cases) {
    const std::optional<double> jd = cli::julian_date_of(text);
    EXPECT_EQ(jd.has_value(), expected.has_value()) << text;
    EXPECT_NEAR(jd.value_or(0.0), expected.value_or(0.0), 1e-9) << text;  // well under a millisecond
  }
}

// The Julian day number of a Gregorian date at noon (Fliegel and Van Flandern, 1968,
// integer division truncating), for years after -4800.
long julian_day_number(long y, long m, long d) {
  return (1461 * (y + 4800 + (m - 14) / 12)) / 4 + (367 * (m - 2 - 12 * ((m - 14) / 12))) / 12 -
         (3 * ((y + 4900 + (m - 14) / 12) / 100)) / 4 + d - 32075;
}

// Every day number 1..32 of every month of years around the leap-year rules, and times at
// the edges of each field: valid ones against the day number above, the rest refused.
// There is no leap second: 60 seconds is no time of day.
TEST(JulianDateOf, IsoDatesAgreeWithAnIndependentCalendar) {
  for (const int year : {1600, 1700, 1900, 1999, 2000, 2023, 2024, 2100}) {
    for (int month = 0; month <= 13; ++month) {
      for (int day = 0; day <= 32; ++day) {
        const bool leap = year % 4 == 0 && (year % 100 != 0 || year % 400 == 0);
        const int days[] = {31, leap ? 29 : 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
        const bool valid = month >= 1 && month <= 12 && day >= 1 && day <= days[month - 1];
        char text[16];
        std::snprintf(text, sizeof text, "%04d-%02d-%02d", year, month, day);
        const std::optional<double> jd = cli::julian_date_of(text);
        ASSERT_EQ(jd.has_value(), valid) << text;
        EXPECT_EQ(jd.value_or(0.0), valid ? julian_day_number(year, month, day) - 0.5 : 0.0) << text;
      }
    }
  }
  const std::pair<const char*, double> times[] = {
      {"T00:00", 0},         {"T23:59", 86340},          {"T23:59:59", 86399}, {"T12:00:59.999", 43259.999},
      {"T06:30:00.5", 23400.5}, {"T24:00", -1},          {"T12:60", -1},       {"T12:00:60", -1},
      {"T23:59:60", -1},     {"T12:00:60.0", -1},        {"T12:00:61", -1},    {"T12:00:99", -1},
      {"T12:00:", -1},       {"T12:00:5", -1},           {"T1:00", -1},        {"T12:00:30.", -1},
  };
  for (const auto& [time, seconds] : times) {
    const std::string text = std::string("2016-12-31") + time;
    const std::optional<double> jd = cli::julian_date_of(text);
    ASSERT_EQ(jd.has_value(), seconds >= 0) << text;
    const double midnight = julian_day_number(2016, 12, 31) - 0.5;
    EXPECT_NEAR((jd.value_or(midnight - 1.0 / 86400.0) - midnight) * 86400.0, seconds, 1e-4) << text;  // 2 ulp of the date
  }
}

// The year of a Julian date against the standard library's own calendar, on a sweep of
// dates from 30000 BC to AD 30000 that lands on every hour of the day, and on the first
// and last moment of years around the leap-year rules.
TEST(AstronomicalYearOf, AgreesWithTheStandardCalendar) {
  const auto chrono_year = [](double jd) {
    const std::chrono::sys_days day{std::chrono::days(static_cast<long>(std::floor(jd - 2440587.5)))};
    return static_cast<double>(static_cast<int>(std::chrono::year_month_day(day).year()));
  };
  for (double jd = -9e6; jd < 1.27e7; jd += 997.0417) EXPECT_EQ(cli::astronomical_year_of(jd), chrono_year(jd)) << jd;
  for (const int year : {-4800, -4708, -401, -400, -1, 0, 1, 100, 400, 1582, 1900, 2000, 2024}) {
    const double new_year = static_cast<double>(
        std::chrono::sys_days(std::chrono::year(year) / 1 / 1).time_since_epoch().count() + 2440587.5);
    EXPECT_EQ(cli::astronomical_year_of(new_year), year) << year;
    EXPECT_EQ(cli::astronomical_year_of(new_year - 1e-6), year - 1) << year;
  }
}

// A small number given as a date is refused with the year it would mean; from 100000 on
// it is a Julian date, as is any calendar date.
TEST(SmallJulianDateRefusal, NamesTheYearItWouldMean) {
  const std::pair<const char*, std::optional<std::string>> cases[] = {
      {"2020", "2020 would be Julian date 2020 (4708 BC); write 2020-01-01 for the year"},
      {"1", "1 would be Julian date 1 (4714 BC); write 0001-01-01 for the year"},
      {"0", "0 would be Julian date 0 (4714 BC)"},
      {"2020.5", "2020.5 would be Julian date 2020.5 (4708 BC)"},
      {"-1e6", "-1e6 would be Julian date -1e6 (7452 BC)"},
      {"99999.5", "99999.5 would be Julian date 99999.5 (4440 BC)"},
      {"100000", std::nullopt},
      {"2459000.5", std::nullopt},
      {"0001-01-01", std::nullopt},
  };
  for (const auto& [text, refusal] : cases) {
    const std::optional<double> jd = cli::julian_date_of(text);
    ASSERT_TRUE(jd.has_value()) << text;
    EXPECT_EQ(cli::small_julian_date_refusal(text, *jd), refusal) << text;
  }
}

TEST(PlanetNumber, NumbersAndNamesInAnyCase) {
  const std::pair<const char*, std::optional<int>> cases[] = {{"3", 3},  {"earth", 3},         {"Earth", 3},         {"EARTH", 3},         {"9", 9},
               {"pluto", 9}, {"Mercury", 1},    {"0", std::nullopt},  {"10", std::nullopt}, {"ear", std::nullopt},
               {"sun", std::nullopt}, {"", std::nullopt}, {" 3", std::nullopt}};
  for (const auto& [text, number] : cases) EXPECT_EQ(cli::planet_number(text), number) << text;
}

TEST(PlanetNamesAsNumbers, NamesBecomeNumbersOtherItemsStay) {
  const std::pair<const char*, const char*> cases[] = {
      {"earth,Mars", "3,4"}, {"2,jupiter", "2,5"}, {"all", "all"}, {"moon", "moon"}, {"earth,x,", "3,x,"},
      {"Moon,ALL", "moon,all"}, {"EARTH,MOON", "3,moon"}};
  for (const auto& [list, numbers] : cases) EXPECT_EQ(cli::planet_names_as_numbers(list), numbers) << list;
}

}  // namespace
