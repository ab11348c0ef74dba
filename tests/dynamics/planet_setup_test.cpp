// Tests of the integration class and the initial states of a run.
#include "dynamics/planet_setup.h"
#include "dynamics/shared_blocks.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

using namespace dynamics;

TEST(IntegrationClass, RulesByPerihelionAndReferencePlanet) {
  struct Case { double q; int ipl; int i0; double mu0; double dtmin; };
  const Case cases[] = {
      {1.3, 3, 2, 1.000000166, 0.01},  {1.3, 2, 1, 1.0, 0.005},
      {1.2, 3, 1, 1.0, 0.005},         {0.5, 9, 1, 1.0, 0.005},
      {5.0, 3, 2, 1.000000166, 0.01},  {5.0, 5, 5, 1.000005976, 0.05},
      {3.5, 4, 2, 1.000000166, 0.02},  {4.5, 4, 2, 1.000000166, 0.02},
      {7.0, 5, 5, 1.000005976, 0.1},   {12.0, 6, 5, 1.000005976, 0.2},
      {12.0, 5, 5, 1.000005976, 0.1},  {12.0, 9, 5, 1.000005976, 0.2},
  };
  for (const Case& c : cases) {
    const IntegrationClass k = integration_class(c.q, c.ipl);
    EXPECT_EQ(k.first_planet, c.i0) << c.q << " " << c.ipl;
    EXPECT_EQ(k.central_mass, c.mu0) << c.q << " " << c.ipl;
    EXPECT_EQ(k.step, c.dtmin) << c.q << " " << c.ipl;
  }
}

struct SetUpRun {
  SharedBlocks blocks;
  Bodies bodies;
};

SetUpRun set_up(int ipl, const OrbitalElements& object, double epoch_jd) {
  SetUpRun run;
  const IntegrationClass klass = integration_class(object.a * (1.0 - object.e), ipl);
  store_constants(run.blocks, klass.central_mass);
  run.blocks.epoch_jd = epoch_jd;
  setup_planets(run.blocks, run.bodies, klass);
  add_small_body(run.blocks, run.bodies, object);
  return run;
}

// Heliocentric ecliptic longitude in degrees, 0..360.
double longitude_deg(const Vec3& x) {
  const double l = std::atan2(x[1], x[0]) * 180.0 / kPi;
  return l < 0.0 ? l + 360.0 : l;
}

TEST(SetupBodies, SlotsBlocksAndTableStates) {
  // Apophis-like object, q = 0.75: all nine planets, Earth in slot 3.
  const OrbitalElements apophis{0.9225169, 0.1914724, 3.33690, 204.05444, 126.67983, 236.64021};
  const SetUpRun run = set_up(3, apophis, kPlanetEpochJd);
  const SharedBlocks& b = run.blocks;
  ASSERT_EQ(b.counts.planets, 9);
  ASSERT_EQ(b.counts.total, 10);
  for (int k = 1; k <= 9; ++k) {
    EXPECT_EQ(b.planet_number[k], k);
    EXPECT_DOUBLE_EQ(b.gm[k], kGaussK2 * kPlanetTable[k - 1].mass);
    EXPECT_DOUBLE_EQ(run.bodies.radius[k], kPlanetTable[k - 1].radius_km * 6.6845871222684464e-9);
    EXPECT_EQ(run.bodies.epoch[k], 2451400.5);
    EXPECT_DOUBLE_EQ(run.bodies.r[k], norm(run.bodies.x[k]));
  }
  EXPECT_EQ(b.planet_number[10], 10);
  EXPECT_EQ(b.gm[10], 0.0);
  EXPECT_EQ(run.bodies.radius[10], 0.0);
  for (int k = 1; k <= 20; ++k) EXPECT_EQ(b.start_slot[k], k);
  // At the total eclipse of 1999 August 11, 11 h UT, the Sun stood at ecliptic
  // longitude 138.35 degrees; 1.46 days earlier the Earth's heliocentric longitude was
  // about 138.35 + 180 - 1.44 = 316.9 degrees, at 1.0135 AU.
  EXPECT_NEAR(longitude_deg(run.bodies.x[3]), 316.9, 0.15);
  EXPECT_NEAR(run.bodies.r[3], 1.0135, 0.001);
  // Jupiter was at opposition on 1999 October 23 (heliocentric longitude 29.6 degrees,
  // opposite the Sun); moving 0.083 degrees a day it stood near 23.5 on August 10.
  EXPECT_NEAR(longitude_deg(run.bodies.x[5]), 23.5, 1.0);
  // Each planet's state reproduces its table elements (an independent Kepler solution
  // for the mean anomaly by bisection).
  for (int k = 1; k <= 9; ++k) {
    const OrbitalElements& row = kPlanetTable[k - 1].elements;
    const double M = std::remainder(row.m * kDegToRad, kTwoPi);
    double lo = M - 1.0, hi = M + 1.0;
    for (int it = 0; it < 200; ++it) {
      const double mid = 0.5 * (lo + hi);
      (mid - row.e * std::sin(mid) - M < 0.0 ? lo : hi) = mid;
    }
    const double r_expected = row.a * (1.0 - row.e * std::cos(0.5 * (lo + hi)));
    EXPECT_NEAR(run.bodies.r[k], r_expected, 1e-10 * row.a) << k;
    const Vec3 h = cross(run.bodies.x[k], run.bodies.v[k]);
    EXPECT_NEAR(std::atan2(std::hypot(h[0], h[1]), h[2]), row.i * kDegToRad, 1e-12) << k;
  }
}

TEST(SetupBodies, ClassDecidesThePlanetSlots) {
  // q = 7 with Jupiter as reference: Jupiter to Pluto in slots 1..5.
  const OrbitalElements far{9.0, 0.2222222222, 5.0, 10.0, 20.0, 30.0};
  const SetUpRun run = set_up(5, far, 2451000.5);
  EXPECT_EQ(run.blocks.counts.planets, 5);
  EXPECT_EQ(run.blocks.counts.total, 6);
  EXPECT_EQ(run.blocks.planet_number[1], 5);
  EXPECT_EQ(run.blocks.planet_number[5], 9);
  EXPECT_EQ(run.blocks.planet_number[6], 10);
  EXPECT_DOUBLE_EQ(run.blocks.constants.gm_central, 1.000005976 * kGaussK2);
  EXPECT_EQ(run.bodies.epoch[6], 2451000.5);
}

// The slots the dynamics names are where set-up put each body, for every class: the
// planet numbers it stored and the object's own epoch tell them apart.
TEST(SetupBodies, NamedSlotsHoldTheirBodies) {
  const OrbitalElements object{9.0, 0.2222222222, 5.0, 10.0, 20.0, 30.0};
  for (const int first_planet : {1, 2, 5}) {
    const IntegrationClass klass{first_planet, 1.0, 0.005};
    SetUpRun run;
    store_constants(run.blocks, klass.central_mass);
    run.blocks.epoch_jd = 2451000.5;
    setup_planets(run.blocks, run.bodies, klass);
    add_small_body(run.blocks, run.bodies, object);
    for (int planet = first_planet; planet <= kPlanetCount; ++planet) {
      EXPECT_EQ(run.blocks.planet_number[planet_slot(klass, planet)], planet) << first_planet;
    }
    const int k = object_slot(klass);
    EXPECT_EQ(k, run.blocks.counts.total) << first_planet;
    EXPECT_EQ(run.blocks.planet_number[k], 10) << first_planet;
    EXPECT_EQ(run.bodies.epoch[k], 2451000.5) << first_planet;
  }
}

TEST(SetupBodies, ZeroInclinationIsRaisedToATinyTilt) {
  const OrbitalElements flat{1.5, 0.1, 0.0, 40.0, 50.0, 60.0};
  const SetUpRun run = set_up(3, flat, 2458000.5);
  const int k = run.blocks.counts.total;
  const Vec3 h = cross(run.bodies.x[k], run.bodies.v[k]);
  EXPECT_NEAR(std::atan2(std::hypot(h[0], h[1]), h[2]) * 180.0 / kPi, 0.00001, 1e-12);
}

}  // namespace
