// The calendar year a Julian date falls in, to tell the user which year a small number
// given as a date would mean.
#pragma once

#include <string>

namespace cli {

// The year, in astronomical numbering (0 is 1 BC, -1 is 2 BC), of the proleptic Gregorian
// day that holds the Julian date `jd`; exact while the day count fits a double's integers.
double astronomical_year_of(double jd);

// The year of `jd` as people write it: "4708 BC", "2020 AD".
std::string year_name_of(double jd);

}  // namespace cli
