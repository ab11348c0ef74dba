// The Moon's geocentric place sampled once at even nodes over a time span and
// interpolated between them, so that runs sharing the span do not evaluate the lunar
// series at every instant they need.
#pragma once

#include <vector>

#include "dynamics/vec3.h"

namespace dynamics {

using MoonPlace = Vec3 (*)(double jd_tdb);

class MoonTrack {
 public:
  // Nodes every spacing_days from first_jd until past last_jd.
  MoonTrack(MoonPlace series, double first_jd, double last_jd, double spacing_days);

  // True when jd lies where four nodes surround it.
  bool covers(double jd) const;
  // Cubic through the four nodes around jd (covers(jd) must hold): AU, and AU/yr.
  Vec3 place(double jd) const;
  Vec3 velocity(double jd) const;

 private:
  double first_jd_;
  double spacing_;
  std::vector<Vec3> nodes_;
};

}  // namespace dynamics
