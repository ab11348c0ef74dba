// Julian and calendar dates.
#include "cli/date_option.h"

#include <CLI/CLI.hpp>
#include <charconv>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <regex>

#include "cli/julian_year.h"

namespace cli {

namespace {

constexpr double kJulianDateOfUnixEpoch = 2440587.5;  // 1970-01-01T00:00
constexpr double kSecondsPerDay = 86400.0;
// Below this, a number given as a date is far more likely a year than a Julian date (4439 BC).
constexpr double kLeastJulianDate = 100000.0;

// A whole number, or a number with a fraction; nothing unless the whole text reads.
std::optional<double> number_of(std::string_view text) {
  double value = 0.0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size() || !std::isfinite(value)) return std::nullopt;
  return value;
}

}  // namespace

std::optional<double> julian_date_of(std::string_view text) {
  if (std::optional<double> jd = number_of(text)) return jd;
  static const std::regex kIsoDate(R"((\d{4})-(\d{2})-(\d{2})(?:T(\d{2}):(\d{2})(?::(\d{2}(?:\.\d+)?))?)?)");
  std::match_results<std::string_view::const_iterator> parts;
  if (!std::regex_match(text.begin(), text.end(), parts, kIsoDate)) return std::nullopt;
  const auto whole = [&parts](int k) { return parts[k].matched ? std::stoi(parts[k].str()) : 0; };
  const std::chrono::year_month_day day{std::chrono::year(whole(1)), std::chrono::month(static_cast<unsigned>(whole(2))),
                                        std::chrono::day(static_cast<unsigned>(whole(3)))};
  const double seconds = parts[6].matched ? std::stod(parts[6].str()) : 0.0;
  if (!day.ok() || whole(4) > 23 || whole(5) > 59 || seconds >= 60.0) return std::nullopt;
  const double days = std::chrono::sys_days(day).time_since_epoch().count();
  return kJulianDateOfUnixEpoch + days + (whole(4) * 3600.0 + whole(5) * 60.0 + seconds) / kSecondsPerDay;
}

std::optional<std::string> small_julian_date_refusal(std::string_view text, double jd) {
  if (jd >= kLeastJulianDate) return std::nullopt;
  std::string refusal =
      std::string(text) + " would be Julian date " + std::string(text) + " (" + year_name_of(jd) + ")";
  if (jd >= 1.0 && jd <= 9999.0 && jd == std::floor(jd)) {
    char year[8];
    std::snprintf(year, sizeof year, "%04d", static_cast<int>(jd));
    refusal += std::string("; write ") + year + "-01-01 for the year";
  }
  return refusal;
}

CLI::Option* add_date_option(CLI::App& command, const std::string& name, double& jd, const std::string& what) {
  return command
      .add_option_function<std::string>(
          name,
          [name, &jd](const std::string& text) {
            const std::optional<double> value = julian_date_of(text);
            if (!value) {
              throw CLI::ValidationError(name, "\"" + text + "\" is neither a Julian date nor a date like 2020-01-01 or "
                                                             "2020-01-01T12:00");
            }
            if (std::optional<std::string> refusal = small_julian_date_refusal(text, *value)) {
              throw CLI::ValidationError(name, *refusal);
            }
            jd = *value;
          },
          what + ": a Julian date or an ISO date and time, in TDB (2459000.5, 2020-01-01, 2020-01-01T12:00)")
      ->type_name("DATE");
}

}  // namespace cli
