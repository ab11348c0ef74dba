// Dates on the command line: a Julian date, or an ISO calendar date and time, in TDB.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace CLI {
class App;
class Option;
}  // namespace CLI

namespace cli {

// The Julian date of "2459000.5", "2020-01-01", "2020-01-01T12:00" or "2020-01-01T12:00:30"
// (proleptic Gregorian calendar; the time scale is the caller's); nothing when the text is
// neither or names no real day or time.
std::optional<double> julian_date_of(std::string_view text);

// Why the date `jd` read from `text` is refused: below 100000, a number given as a date
// is most likely a year taken for a Julian date ("2020 would be Julian date 2020 (4708 BC);
// write 2020-01-01 for the year"); nothing for a later date.
std::optional<std::string> small_julian_date_refusal(std::string_view text, double jd);

// Adds the option `name` (DATE: a Julian date or an ISO date and time in TDB), read into
// `jd`; a text that is neither, or a date refused above, is a usage error naming the option.
CLI::Option* add_date_option(CLI::App& command, const std::string& name, double& jd, const std::string& what);

}  // namespace cli
