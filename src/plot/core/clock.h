// The one clock of the library: every date and time it prints or writes comes
// from clock_now, which honours SOURCE_DATE_EPOCH (seconds since 1970, taken as UTC)
// so that tests can compare whole files.
#pragma once

#include <ctime>

namespace plotix {

// Broken-down time of "now": SOURCE_DATE_EPOCH when set to a valid number up to the
// end of year 9999, otherwise the local time.
std::tm clock_now();

// Today's date "%02d.%02d.%4d" and time "%02d:%02d:%02d" (public); each in a static
// buffer, overwritten by the next call.
const char* dddate();
const char* ddtime();

}  // namespace plotix
