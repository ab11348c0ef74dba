// Years of Julian dates (see julian_year.h), by the civil-from-days arithmetic on 400-year
// eras, in doubles so that any finite date has a year.
#include "cli/julian_year.h"

#include <cmath>
#include <sstream>

namespace cli {

namespace {

constexpr double kJulianDateOfMarch1Year0 = 1721119.5;  // 0000-03-01T00:00, the start of era 0
constexpr double kDaysPerEra = 146097.0;                // 400 Gregorian years

}  // namespace

double astronomical_year_of(double jd) {
  // Days since 0000-03-01, so that the leap day ends each counted year.
  const double day = std::floor(jd - kJulianDateOfMarch1Year0);
  const double era = std::floor(day / kDaysPerEra);
  const double day_of_era = day - era * kDaysPerEra;  // 0..146096
  const double year_of_era = std::floor((day_of_era - std::floor(day_of_era / 1460.0) +
                                         std::floor(day_of_era / 36524.0) - std::floor(day_of_era / 146096.0)) /
                                        365.0);  // 0..399
  const double day_of_year =
      day_of_era - (365.0 * year_of_era + std::floor(year_of_era / 4.0) - std::floor(year_of_era / 100.0));
  const bool january_or_february = day_of_year >= 306.0;  // the year counted from March ends with them
  return era * 400.0 + year_of_era + (january_or_february ? 1.0 : 0.0);
}

std::string year_name_of(double jd) {
  const double year = astronomical_year_of(jd);
  const double number = year <= 0.0 ? 1.0 - year : year;
  std::ostringstream text;
  if (number < 1e15) {
    text << static_cast<long long>(number);
  } else {
    text << number;
  }
  text << (year <= 0.0 ? " BC" : " AD");
  return text.str();
}

}  // namespace cli
