// The one clock of the library: every date and time it prints or writes comes
// from clock_now, which honours SOURCE_DATE_EPOCH (seconds since 1970, taken as UTC)
// so that tests can compare whole files.
#pragma once

#include <ctime>

namespace plotix {

// Broken-down time of "now": SOURCE_DATE_EPOCH when set to a valid number,
// otherwise the local time.
std::tm clock_now();

}  // namespace plotix
