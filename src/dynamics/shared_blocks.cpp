// Filling the fixed constants of a run's shared blocks.
#include "dynamics/shared_blocks.h"

namespace dynamics {

void store_constants(SharedBlocks& blocks, double central_mass_factor) {
  blocks.constants.k2 = kGaussK2;
  blocks.constants.gm_central = central_mass_factor * kGaussK2;
  blocks.constants.auyr_per_kms = kAuYrPerKmS;
  blocks.ejection.max_semimajor = kEjectSemimajorAu;
  blocks.ejection.max_distance = kEjectDistanceAu;
  blocks.sun_limits.capture = kSunRadiusKm * kSunCaptureFactor * kKmToAu;
  blocks.sun_limits.close = kSunCloseAu;
  blocks.two_pi = kTwoPi;
}

}  // namespace dynamics
