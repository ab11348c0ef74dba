// Names of the skies, and the skies themselves.
#include "sky/sky.h"

#include "sky/ephemeris_sky.h"
#include "sky/table_sky.h"

namespace sky {

std::string_view sky_name(Sky sky) { return sky == Sky::table ? "table" : "ephemeris"; }

std::optional<Sky> parse_sky(std::string_view name) {
  for (const Sky sky : {Sky::table, Sky::ephemeris})
    if (name == sky_name(sky)) return sky;
  return std::nullopt;
}

const SkyModel& sky_model(Sky sky) {
  static const TableSky table;
  static const EphemerisSky ephemeris;
  if (sky == Sky::table) return table;
  return ephemeris;
}

}  // namespace sky
