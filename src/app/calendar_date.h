// Dates of the pictures: the calendar day and the year with its fraction of a Julian date.
#pragma once

#include <string>

namespace app {

// "YYYY-MM-DD", the day (Gregorian calendar) in which the Julian date falls.
std::string calendar_date(double jd);

// The year with its fraction: 2000.0 at J2000 (JD 2451545.0), years of 365.25 days.
double decimal_year(double jd);

}  // namespace app
