// Order and CSV form of the survey table.
#include "survey/io/survey_table.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <tuple>

#include "dynamics/constants.h"
#include "dynamics/earth_moon_split.h"

namespace survey {
namespace {

constexpr std::array<const char*, 12> kMonths = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                                 "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
constexpr std::array<const char*, 4> kEventNames = {"approach", "collision", "sun", "ejection"};
constexpr double kMinutesPerDay = 1440.0;

}  // namespace

std::string planet_name(int planet) {
  if (planet == dynamics::kMoonNumber) return "Moon";
  if (planet < 1 || planet > dynamics::kPlanetCount) return "";
  std::string_view name = dynamics::kPlanetNames[static_cast<size_t>(planet - 1)];
  return std::string(name.substr(0, name.find_last_not_of(' ') + 1));
}

// A field holding a comma or a quote is quoted, its quotes doubled.
std::string csv_field(const std::string& text) {
  if (text.find_first_of(",\"") == std::string::npos) return text;
  std::string quoted = "\"";
  for (char c : text) {
    if (c == '"') quoted += '"';
    quoted += c;
  }
  return quoted + '"';
}

std::string calendar_minute(double jd) {
  // Whole minutes from the Julian date's noon-based day count, then the civil date of
  // the day number (Fliegel and Van Flandern's integer algorithm).
  const long long minutes = std::llround((jd + 0.5) * kMinutesPerDay);
  const long long day_number = minutes / static_cast<long long>(kMinutesPerDay);
  const long long minute_of_day = minutes % static_cast<long long>(kMinutesPerDay);
  long long l = day_number + 68569;
  const long long n = 4 * l / 146097;
  l = l - (146097 * n + 3) / 4;
  const long long i = 4000 * (l + 1) / 1461001;
  l = l - 1461 * i / 4 + 31;
  const long long j = 80 * l / 2447;
  const long long day = l - 2447 * j / 80;
  l = j / 11;
  const long long month = j + 2 - 12 * l;
  const long long year = 100 * (n - 49) + i + l;
  char text[64];
  std::snprintf(text, sizeof text, "%04lld-%s-%02lld %02lld:%02lld", year, kMonths[static_cast<size_t>(month - 1)],
                day, minute_of_day / 60, minute_of_day % 60);
  return text;
}

bool row_before(const SurveyRow& a, const SurveyRow& b) {
  return std::tie(a.jd, a.designation, a.planet, a.event, a.packed, a.distance, a.speed_kms) <
         std::tie(b.jd, b.designation, b.planet, b.event, b.packed, b.distance, b.speed_kms);
}

void sort_rows(std::vector<SurveyRow>& rows) { std::sort(rows.begin(), rows.end(), row_before); }

std::string csv_line(const SurveyRow& row) {
  char numbers[96];
  std::snprintf(numbers, sizeof numbers, "%.6f,%s,%.8f,%.4f", row.jd, calendar_minute(row.jd).c_str(), row.distance,
                row.speed_kms);
  const std::string planet = row.event == EventKind::sun ? "Sun" : planet_name(row.planet);
  return csv_field(row.designation) + ',' + csv_field(row.packed) + ',' + planet + ',' + numbers + ',' +
         kEventNames[static_cast<size_t>(row.event)];
}

void write_table(std::ostream& out, const std::vector<SurveyRow>& rows) {
  out << kTableHeader << '\n';
  for (const SurveyRow& row : rows) out << csv_line(row) << '\n';
}

}  // namespace survey
