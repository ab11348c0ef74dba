// The lists and flags the integrator passes from routine to routine and from step to
// step, and the close-approach records it hands back to the caller.
#pragma once

#include <algorithm>
#include <array>
#include <vector>

#include "dynamics/constants.h"
#include "dynamics/removal_reason.h"

namespace dynamics {

inline constexpr int kListCapacity = 100;

// A short list of slot numbers with its count.
struct SlotList {
  int count = 0;
  std::array<int, kListCapacity> item{};

  // Inline: asked several times per body and step, of lists mostly empty.
  bool contains(int value) const {
    return std::find(item.begin(), item.begin() + count, value) != item.begin() + count;
  }
  // Appends while there is room; a run of at most ten bodies never fills a list.
  void append(int value);
  void clear();
};

// One close approach to a planet, as found by the encounter integration.
struct CloseApproach {
  double jd = 0.0;          // Julian date of the closest approach
  double dmin_rplan = 0.0;  // pericentre distance over the planet's radius
  double vp_kms = 0.0;      // speed at pericentre relative to the planet, km/s (<= 99.99)
  double energy = 0.0;      // planetocentric energy, AU^2/yr^2 (clamped beyond +-99.9)
  int planet = 0;           // planet number 1..9 (kMoonNumber for a pass by the Moon)
  int body = 0;             // start-up slot of the small body (several share a run in a survey)
  bool collision = false;   // pericentre inside the planet: the body is lost
};

// A planet and a small body integrated together in the kick of the current step.
struct EncounterPair {
  int planet = 0;  // planet number 1..9
  int body = 0;    // start-up slot of the small body
};

// How a small body moved relative to its planet at the last encounter check.
enum class RadialSense { approaching, receding };

struct Encounters {
  // Per start-up slot, for the whole run.
  std::array<RadialSense, kMaxBodies + 1> sense{};
  // The same about the Moon, when the Earth and the Moon pull apart.
  std::array<RadialSense, kMaxBodies + 1> moon_sense{};
  SlotList removal;          // body slots to remove at the end of the step
  // Per start-up slot: why the body was removed (none while it is in the run).
  std::array<RemovalReason, kMaxBodies + 1> removal_reason{};
  SlotList collision_pairs;  // planet slot, body slot, planet slot, body slot, ...
  SlotList encounter;        // start-up slots whose step ended in an encounter integration
  SlotList carry_over;       // start-up slots still within 2 Hill radii after it
  std::vector<CloseApproach> approaches;  // records of the current step, in order
  // The encounter integrations of the current step, and every closest approach they
  // found, however far (the records keep those within 2.1 Hill radii), with the speed
  // and energy unclamped; for a caller that needs each minimum inside the zone.
  std::vector<EncounterPair> pairs;
  std::vector<CloseApproach> passes;
  // Per start-up slot: (m / 3 constants.gm_central)^(1/3), the Hill radius over the
  // distance, filled at the first kick of the run (0 = not yet).
  SlotDoubles hill_factor{};
};

// Fresh lists for a new run: every body approaching, every list empty, no Hill factor yet, no
// removal reason.
void start_run(Encounters& encounters);

}  // namespace dynamics
