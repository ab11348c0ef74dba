// Per-body arrays of an integration run, indexed by body slot 1..20 like the shared
// blocks (planets first in increasing planet number, the small body last).
#pragma once

#include <array>

#include "dynamics/constants.h"
#include "dynamics/vec3.h"

namespace dynamics {

using SlotVectors = std::array<Vec3, kMaxBodies + 1>;

struct Bodies {
  SlotVectors x{};      // heliocentric position, AU
  SlotVectors v{};      // heliocentric velocity, AU/yr
  SlotVectors x0{};     // x at the start of the current step, before the first drift
  SlotVectors v0{};     // v at the start of the current step
  SlotDoubles r{};      // heliocentric distance, AU, kept up to date by the drifts
  SlotDoubles radius{};  // collision radius, AU (0 for the small body)
  SlotDoubles epoch{};  // Julian date of the state at set-up
};

}  // namespace dynamics
