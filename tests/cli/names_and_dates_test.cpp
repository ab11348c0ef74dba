// Planets by name or number and dates as Julian or calendar dates, read the same way by
// every subcommand.
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <utility>

#include "cli/date_option.h"
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

TEST(PlanetNumber, NumbersAndNamesInAnyCase) {
  const std::pair<const char*, std::optional<int>> cases[] = {{"3", 3},  {"earth", 3},         {"Earth", 3},         {"EARTH", 3},         {"9", 9},
               {"pluto", 9}, {"Mercury", 1},    {"0", std::nullopt},  {"10", std::nullopt}, {"ear", std::nullopt},
               {"sun", std::nullopt}, {"", std::nullopt}, {" 3", std::nullopt}};
  for (const auto& [text, number] : cases) EXPECT_EQ(cli::planet_number(text), number) << text;
}

TEST(PlanetNamesAsNumbers, NamesBecomeNumbersOtherItemsStay) {
  const std::pair<const char*, const char*> cases[] = {
      {"earth,Mars", "3,4"}, {"2,jupiter", "2,5"}, {"all", "all"}, {"moon", "moon"}, {"earth,x,", "3,x,"}};
  for (const auto& [list, numbers] : cases) EXPECT_EQ(cli::planet_names_as_numbers(list), numbers) << list;
}

}  // namespace
