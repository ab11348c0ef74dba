// The checks of a set of orbital elements before a run.
#include "dynamics/orbital_elements.h"

namespace dynamics {

bool semimajor_axis_accepted(double a) { return a > 0.0 && a < kMaxSemimajorAxis; }

bool eccentricity_accepted(double e) { return e >= 0.0 && e < 1.0; }

bool epoch_accepted(double jd) { return jd >= kFirstEpoch && jd <= kLastEpoch; }

ElementFault element_fault(const OrbitalElements& elements) {
  if (!semimajor_axis_accepted(elements.a)) return ElementFault::semimajor_axis;
  if (!eccentricity_accepted(elements.e)) return ElementFault::eccentricity;
  return ElementFault::none;
}

}  // namespace dynamics
