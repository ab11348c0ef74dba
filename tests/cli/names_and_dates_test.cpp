// Planets by name or number and dates as Julian or calendar dates, read the same way by
// every subcommand.
#include <gtest/gtest.h>

#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "cli/command_line.h"
#include "cli/date_option.h"
#include "cli/planet_name.h"

namespace {

// Julian dates from published tables, not from the calendar arithmetic under test.
TEST(JulianDateOf, CalendarDatesAndJulianDates) {
  const struct {
    const char* text;
    std::optional<double> jd;
  } cases[] = {
      {"2000-01-01T12:00", 2451545.0},  // J2000.0
      {"1970-01-01", 2440587.5},        // the Unix epoch
      {"1858-11-17", 2400000.5},        // the epoch of modified Julian dates
      {"1582-10-15", 2299160.5},        // the first Gregorian day
      {"2020-01-01", 2458849.5},
      {"2024-02-29T18:00", 2460370.25},
      {"2020-01-01T12:00:30", 2458850.0 + 30.0 / 86400.0},
      {"2459000.5", 2459000.5},
      {"2021-02-29", std::nullopt},
      {"2020-13-01", std::nullopt},
      {"2020-01-01T24:00", std::nullopt},
      {"2020-01-01T12:60", std::nullopt},
      {"2020-01-01T12", std::nullopt},
      {"2020-1-1", std::nullopt},
      {"2020-01-01 12:00", std::nullopt},
      {"", std::nullopt},
      {"nan", std::nullopt},
      {"inf", std::nullopt},
  };
  for (const auto& c : cases) {
    const std::optional<double> jd = cli::julian_date_of(c.text);
    ASSERT_EQ(jd.has_value(), c.jd.has_value()) << c.text;
    if (jd) {
      EXPECT_NEAR(*jd, *c.jd, 1e-9) << c.text;  // well under a millisecond
    }
  }
}

TEST(PlanetNumber, NumbersAndNamesInAnyCase) {
  const struct {
    const char* text;
    std::optional<int> number;
  } cases[] = {{"3", 3},  {"earth", 3},         {"Earth", 3},         {"EARTH", 3},         {"9", 9},
               {"pluto", 9}, {"Mercury", 1},    {"0", std::nullopt},  {"10", std::nullopt}, {"ear", std::nullopt},
               {"sun", std::nullopt}, {"", std::nullopt}, {" 3", std::nullopt}};
  for (const auto& c : cases) EXPECT_EQ(cli::planet_number(c.text), c.number) << c.text;
}

TEST(PlanetNamesAsNumbers, NamesBecomeNumbersOtherItemsStay) {
  const std::pair<const char*, const char*> cases[] = {
      {"earth,Mars", "3,4"}, {"2,jupiter", "2,5"}, {"all", "all"}, {"moon", "moon"}, {"earth,x,", "3,x,"}};
  for (const auto& [list, numbers] : cases) EXPECT_EQ(cli::planet_names_as_numbers(list), numbers) << list;
}

std::pair<int, std::string> run(std::vector<std::string> args) {
  args.insert(args.begin(), "skytrak3d");
  std::vector<const char*> argv;
  for (const std::string& arg : args) argv.push_back(arg.c_str());
  std::ostringstream out;
  std::ostringstream err;
  const int status = cli::run_command_line(static_cast<int>(argv.size()), argv.data(), out, err);
  return {status, out.str() + err.str()};
}

// The survey of the sample gives the same table for the same window and planets however
// they are written.
TEST(SurveyCommandLine, CalendarDatesAndNamesGiveTheTableOfJulianDatesAndNumbers) {
  const std::string sample = std::string(SKYTRAK_SOURCE_DIR) + "/data/nea.dat";
  const auto survey = [&sample](const char* planets, const char* from, const char* to) {
    return run({"survey", "--catalogue", sample, "--planet", planets, "--from", from, "--to", to, "--jobs", "1"});
  };
  const auto by_numbers = survey("3,4", "2458849.5", "2462502.5");
  ASSERT_EQ(by_numbers.first, 0) << by_numbers.second;
  ASSERT_NE(by_numbers.second.find("Earth"), std::string::npos);  // a table with approaches, not an empty one
  const auto table = [](const std::string& text) { return text.substr(0, text.find("survey: ")); };
  EXPECT_EQ(table(survey("Earth,mars", "2020-01-01", "2030-01-01T00:00").second), table(by_numbers.second));
  const auto refused = survey("3", "2020-02-30", "2030-01-01");
  EXPECT_EQ(refused.first, 2);
  EXPECT_NE(refused.second.find("--from: \"2020-02-30\" is neither a Julian date"), std::string::npos) << refused.second;
}

}  // namespace
