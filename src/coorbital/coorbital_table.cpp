// Writing the co-orbital table.
#include "coorbital/coorbital_table.h"

#include <cmath>
#include <cstdio>

#include "dynamics/constants.h"
#include "survey/io/survey_table.h"

namespace coorbital {

namespace {

constexpr double kJ2000 = 2451545.0;

// A number with `decimals` decimals, or empty when it is unknown.
std::string number(double value, int decimals) {
  if (!std::isfinite(value)) return {};
  char text[64];
  std::snprintf(text, sizeof text, "%.*f", decimals, value);
  return text;
}

}  // namespace

double decimal_year(double jd) { return 2000.0 + (jd - kJ2000) / dynamics::kDaysPerYear; }

std::vector<std::string> csv_lines(const ObjectVerdict& verdict, int planet) {
  const survey::SurveyObject& object = *verdict.object;
  const double epoch_year = decimal_year(object.epoch_jd);
  const std::string start = survey::csv_field(object.designation) + ',' + survey::csv_field(object.packed) + ',' +
                            survey::planet_name(planet) + ',';
  std::vector<std::string> lines;
  for (std::size_t e = 0; e < verdict.episodes.episodes.size(); ++e) {
    const Episode& episode = verdict.episodes.episodes[e];
    std::string line = start + std::string(motion_name(episode.motion));
    if (e == verdict.episodes.at_epoch) line += kEpochMark;
    line += ',' + number(episode.centre_deg, 1) + ',' + number(episode.amplitude_deg, 1) + ',' +
            number(episode.period_yr, 1) + ',' + number(epoch_year + episode.from_yr, 1) + ',' +
            number(epoch_year + episode.to_yr, 1) + ',' + number(verdict.closest_au[e], 6) + ',' +
            (verdict.stable ? "stable" : "sensitive");
    lines.push_back(std::move(line));
  }
  return lines;
}

std::string table_text(const std::vector<ObjectVerdict>& verdicts, int planet) {
  std::string text = std::string(kCoorbitalHeader) + '\n';
  for (const ObjectVerdict& verdict : verdicts) {
    for (const std::string& line : csv_lines(verdict, planet)) text += line + '\n';
  }
  return text;
}

}  // namespace coorbital
