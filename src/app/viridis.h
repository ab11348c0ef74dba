// The viridis colour map, for a quantity along a line (time along a path).
#pragma once

#include <array>
#include <cstddef>

#include "app/rgb.h"

namespace app {

// The colour map's 256 entries, red, green and blue in 0..1, as van der Walt and Smith
// published it (2015, public domain).
extern const std::array<std::array<float, 3>, 256> kViridis;

// The colour at fraction t (0..1, clamped) of the stretch of the map from entry `first`
// to entry `last`.
Rgb viridis(double t, std::size_t first, std::size_t last);

}  // namespace app
