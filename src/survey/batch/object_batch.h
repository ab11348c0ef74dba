// Survey objects side by side: one array per coordinate (a structure of arrays), so that
// the drift and the kick run over many objects at once in vector code.
#pragma once

#include <cstddef>
#include <vector>

namespace survey {

// Lanes come in multiples of the widest vector (eight doubles): the vector code then needs
// no remainder loop. The lanes past the objects copy the first object and are not read.
inline constexpr size_t kLaneMultiple = 8;

// Heliocentric positions (AU), velocities (AU/yr) and distances of every lane.
struct LaneStates {
  std::vector<double> x, y, z, vx, vy, vz, r;

  explicit LaneStates(size_t lanes) : x(lanes), y(lanes), z(lanes), vx(lanes), vy(lanes), vz(lanes), r(lanes) {}
};

// A lane that is out (out[l] = 1) takes no further part in the batch's arithmetic of the
// step: it was not in the batch at the step's start, or the step must be redone for it on
// the scalar path (an encounter, a loss, an orbit the batch does not follow).
struct ObjectBatch {
  size_t lanes;
  LaneStates now;       // the lanes' states, moved by each half step
  LaneStates at_start;  // their states at the step's start
  std::vector<double> out;
  std::vector<double> candidate;  // 1: a minimum near a target to look for (minima_screen.h)
  // The drift's work: the orbit, the anomaly equation and its iterate per lane.
  std::vector<double> semimajor, c0, s0, mean_motion, perihelion, target;
  std::vector<double> dE, cos_dE, sin_dE, rho, open, sin_x, cos_x;

  explicit ObjectBatch(size_t objects)
      : lanes((objects + kLaneMultiple - 1) / kLaneMultiple * kLaneMultiple),
        now(lanes),
        at_start(lanes),
        out(lanes),
        candidate(lanes),
        semimajor(lanes),
        c0(lanes),
        s0(lanes),
        mean_motion(lanes),
        perihelion(lanes),
        target(lanes),
        dE(lanes),
        cos_dE(lanes),
        sin_dE(lanes),
        rho(lanes),
        open(lanes),
        sin_x(lanes),
        cos_x(lanes) {}
};

}  // namespace survey
