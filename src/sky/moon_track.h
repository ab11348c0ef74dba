// The Moon's geocentric place sampled once at even nodes over a time span and
// interpolated between them, so that runs sharing the span do not evaluate the lunar
// series at every instant they need.
#pragma once

#include <vector>

#include "dynamics/vec3.h"
#include "sky/sky_model.h"

namespace sky {

class MoonTrack {
 public:
  // The sky's Moon at nodes every spacing_days from first_jd until past last_jd.
  MoonTrack(const SkyModel& sky, double first_jd, double last_jd, double spacing_days);

  // True when jd lies where four nodes surround it.
  bool covers(double jd) const;
  // Cubic through the four nodes around jd (covers(jd) must hold): AU, and AU/yr.
  dynamics::Vec3 place(double jd) const;
  dynamics::Vec3 velocity(double jd) const;

 private:
  double first_jd_;
  double spacing_;
  std::vector<dynamics::Vec3> nodes_;
};

}  // namespace sky
