// Tests of carry_planets_to_epoch against an independent fine integration of the planets.
#include "dynamics/planets_to_epoch.h"
#include "dynamics/shared_blocks.h"

#include <gtest/gtest.h>

#include <vector>

#include "dynamics/planet_setup.h"
#include "reference_nbody.h"

namespace {

using namespace dynamics;

struct SetUpRun {
  SharedBlocks blocks;
  Bodies bodies;
};

// All nine planets (an Earth-crossing object) and the object at the given epoch.
SetUpRun set_up(double epoch_jd) {
  SetUpRun run;
  const OrbitalElements object{1.5, 0.6, 2.0, 40.0, 50.0, 60.0};
  const IntegrationClass klass = integration_class(0.6, 3);
  store_constants(run.blocks, klass.central_mass);
  run.blocks.epoch_jd = epoch_jd;
  setup_planets(run.blocks, run.bodies, klass);
  add_small_body(run.blocks, run.bodies, object);
  return run;
}

TEST(PlanetsToEpoch, PlanetEpochLeavesTheTableStates) {
  SetUpRun run = set_up(kPlanetEpochJd);
  const Bodies before = run.bodies;
  carry_planets_to_epoch(run.blocks, run.bodies, kPlanetEpochJd);
  for (int k = 1; k <= run.blocks.counts.total; ++k) {
    EXPECT_EQ(run.bodies.x[k], before.x[k]) << k;
    EXPECT_EQ(run.bodies.v[k], before.v[k]) << k;
  }
}

// To a 2019 epoch (7250 days) and 3000 days backwards, against classical RK4 with steps
// of 0.05 day (which agrees with itself at twice the step to 3e-11 AU for the Earth).
// Measured: Earth 7e-11 AU, the worst planet (Mercury) 5.6e-9 AU; the small body must
// not move at all.
TEST(PlanetsToEpoch, CarriesPlanetsLikeAnIndependentIntegration) {
  for (const double days : {7250.0, -3000.0}) {
    SetUpRun run = set_up(kPlanetEpochJd + days);
    const Vec3 object_x = run.bodies.x[10];
    std::vector<reference::Body> ref;
    for (int k = 1; k <= 9; ++k) {
      const Vec3& x = run.bodies.x[k];
      const Vec3& v = run.bodies.v[k];
      ref.push_back({run.blocks.gm[k], {x[0], x[1], x[2]}, {v[0], v[1], v[2]}});
    }
    reference::rk4(run.blocks.constants.gm_central, ref, days / kDaysPerYear,
                   static_cast<long>(std::fabs(days) / 0.05));
    carry_planets_to_epoch(run.blocks, run.bodies, kPlanetEpochJd);
    EXPECT_EQ(run.bodies.x[10], object_x);
    for (int k = 1; k <= 9; ++k) {
      const double bound = k == 3 ? 1e-9 : 1e-8;
      for (int c = 0; c < 3; ++c)
        EXPECT_NEAR(run.bodies.x[k][c], ref[static_cast<size_t>(k - 1)].x[c], bound) << "planet " << k << " days " << days;
      EXPECT_DOUBLE_EQ(run.bodies.r[k], norm(run.bodies.x[k]));
    }
  }
}

}  // namespace
