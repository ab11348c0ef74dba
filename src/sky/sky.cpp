// Names of the skies.
#include "sky/sky.h"

namespace sky {

std::string_view sky_name(Sky sky) { return sky == Sky::table ? "table" : "ephemeris"; }

std::optional<Sky> parse_sky(std::string_view name) {
  for (const Sky sky : {Sky::table, Sky::ephemeris})
    if (name == sky_name(sky)) return sky;
  return std::nullopt;
}

}  // namespace sky
