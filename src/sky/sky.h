// The skies by name: the command line's value of --sky, and the one place where that value
// becomes a sky (sky_model.h).
#pragma once

#include <optional>
#include <string_view>

#include "sky/sky_model.h"

namespace sky {

enum class Sky {
  table,      // the built-in planet table of JD 2451400.5 carried to the epoch
  ephemeris,  // the planets of the ephemeris series at the epoch, velocities fitted
};

// The name of a sky as the command line spells it: "table" or "ephemeris".
std::string_view sky_name(Sky sky);

// The sky of a name given by sky_name; nothing for any other text.
std::optional<Sky> parse_sky(std::string_view name);

// The sky of that name, for the whole process.
const SkyModel& sky_model(Sky sky);

}  // namespace sky
