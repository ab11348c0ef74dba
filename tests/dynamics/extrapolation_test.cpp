// Tests of the encounter integrator (extrapolation_step over modified_midpoint with accelerations).
#include "dynamics/extrapolation.h"
#include "dynamics/shared_blocks.h"

#include <gtest/gtest.h>

#include <cmath>

#include "dynamics/conic.h"
#include "dynamics/drift.h"

namespace {

using namespace dynamics;

SharedBlocks blocks_of_the_sun_alone() {
  SharedBlocks blocks;
  store_constants(blocks, 1.0);
  return blocks;
}

// With a massless planet both bodies follow their own Kepler ellipses: one
// extrapolated substep must land on the analytic drift.
TEST(Sextra, MasslessPairFollowsKeplerOrbits) {
  const SharedBlocks blocks = blocks_of_the_sun_alone();
  Vec3 P, Vp, B, Vb;
  state_from_conic(kGaussK2, Conic{0.98, 0.017, 0.0, 0.4, 1.8, 0.0}, 0.3, P, Vp, 0.0);
  state_from_conic(kGaussK2, Conic{0.7, 0.45, 0.2, 1.0, 2.0, 0.1}, 0.3, B, Vb, 0.0);
  EncounterState y;
  for (int c = 0; c < 3; ++c) {
    y[c] = P[c];
    y[3 + c] = Vp[c];
    y[6 + c] = B[c];
    y[9 + c] = Vb[c];
  }
  for (double H : {0.0005, -0.002, 0.01}) {
    EncounterState z = y;
    double t = 0.25, distance = 0.0;
    extrapolation_step(blocks, EncounterPlanet{0.0}, H, 1e-10, t, z, distance);
    EXPECT_DOUBLE_EQ(t, 0.25 + H);
    Vec3 Pk = P, Vk = Vp, Bk = B, Wk = Vb;
    double rp = norm(P), rb = norm(B), e = 0.0, q = 0.0;
    int flag = 0;
    drift_orbit(kGaussK2, H, Pk, Vk, rp, e, q, flag, 0.0);
    drift_orbit(kGaussK2, H, Bk, Wk, rb, e, q, flag, 0.0);
    for (int c = 0; c < 3; ++c) {
      EXPECT_NEAR(z[c], Pk[c], 1e-11) << H;
      EXPECT_NEAR(z[3 + c], Vk[c], 1e-10) << H;
      EXPECT_NEAR(z[6 + c], Bk[c], 1e-11) << H;
      EXPECT_NEAR(z[9 + c], Wk[c], 1e-10) << H;
    }
    EXPECT_GT(distance, 0.0);
  }
}

// A body passing close to a massive planet: the relative motion is nearly a two-body
// hyperbola, so the planetocentric energy is kept through pericentre.
TEST(Sextra, KeepsThePlanetocentricEnergyThroughPericentre) {
  const double m = 0.0377;  // about Jupiter's GM in AU^3/yr^2
  const SharedBlocks blocks = blocks_of_the_sun_alone();
  EncounterState y{};
  // Planet at 5.2 AU, circular; body 0.01 AU behind it on the y axis, 0.002 AU off.
  const double vc = std::sqrt(kGaussK2 / 5.2);
  const double start[12] = {5.2, 0, 0, 0, vc, 0, 5.202, -0.01, 0, 0, vc + 6.0, 0};
  for (int i = 0; i < 12; ++i) y[i] = start[i];
  const auto energy = [m](const EncounterState& s) {
    double w2 = 0.0, d2 = 0.0;
    for (int c = 0; c < 3; ++c) {
      w2 += (s[9 + c] - s[3 + c]) * (s[9 + c] - s[3 + c]);
      d2 += (s[6 + c] - s[c]) * (s[6 + c] - s[c]);
    }
    return w2 / 2.0 - m / std::sqrt(d2);
  };
  const double before = energy(y);
  double t = 0.0, distance = 0.0;
  for (int n = 0; n < 20; ++n) extrapolation_step(blocks, EncounterPlanet{m}, 0.0002, 1e-10, t, y, distance);
  // Over 0.004 yr the Sun's tide on a 0.01 AU pair changes the energy by well under 1%.
  EXPECT_NEAR(energy(y), before, 0.01 * std::fabs(before));
  EXPECT_GT(y[7] - y[1], 0.005);  // well past the planet
}

}  // namespace
