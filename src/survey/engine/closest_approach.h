// The closest approach of an object to a planet inside one integration step, from the
// relative positions and velocities at the step's two ends.
#pragma once

#include "dynamics/vec3.h"

namespace survey {

// Relative state (object minus planet) at one end of a step.
struct RelativeState {
  dynamics::Vec3 position;  // AU
  dynamics::Vec3 velocity;  // AU/yr
};

struct ClosestApproach {
  double fraction = 0.0;  // of the step from the earlier end, 0..1
  double distance = 0.0;  // AU
  double speed = 0.0;     // relative speed there, AU/yr
};

// True when the distance has a minimum in the step: approaching at the earlier end
// (position . velocity < 0), not approaching at the later end.
bool has_minimum(const RelativeState& earlier, const RelativeState& later);

// The minimum of the distance along the cubic Hermite curve through both ends (positions
// and velocities) over a step of `span` years. Call only when has_minimum holds.
ClosestApproach refine_minimum(const RelativeState& earlier, const RelativeState& later, double span);

}  // namespace survey
