// Tests of the planet-centred rotating frame.
#include "dynamics/rotating_frame.h"

#include <gtest/gtest.h>

#include <cmath>

#include "dynamics/constants.h"

namespace {

using namespace dynamics;

TEST(Rotan, WorkedCasesInThePlanetsPlane) {
  const RotatingPoint same = to_rotating_frame(0.3, -0.9, 0.1, 0.3, -0.9, 0.1, 0.5, 0.2, std::sqrt(0.91));
  EXPECT_EQ(same.X, 0.0);
  EXPECT_EQ(same.Y, 0.0);
  EXPECT_EQ(same.Z, 0.0);
  EXPECT_EQ(same.delta, 0.0);

  const RotatingPoint outward = to_rotating_frame(1, 0, 0, 2, 0, 0, 0, 0, 1);
  EXPECT_DOUBLE_EQ(outward.X, 1.0);
  EXPECT_DOUBLE_EQ(outward.Y, 0.0);
  EXPECT_DOUBLE_EQ(outward.Z, 0.0);
  EXPECT_DOUBLE_EQ(outward.delta, 1.0);

  // The frame turns with the planet: a planet on the y axis sees the same picture.
  const RotatingPoint turned = to_rotating_frame(0, 1, 0, 0, 2, 0, 0, 0, 1);
  EXPECT_DOUBLE_EQ(turned.X, 1.0);
  EXPECT_NEAR(turned.Y, 0.0, 1e-16);

  const RotatingPoint ahead = to_rotating_frame(1, 0, 0, 1, 0.1, 0, 0, 0, 1);
  EXPECT_NEAR(ahead.X, 0.0, 1e-16);
  EXPECT_DOUBLE_EQ(ahead.Y, 0.1);
  EXPECT_DOUBLE_EQ(ahead.delta, 0.1);
}

// X and Y scale as 1/rp^2 and Z as 1/rp when rp alone changes; delta not at all.
TEST(Rotan, ScalingWithThePlanetDistance) {
  const RotatingPoint one = to_rotating_frame(0.8, 0.5, 0.05, 1.1, 0.2, -0.3, 0.7, 0.1, 1.0);
  const RotatingPoint two = to_rotating_frame(0.8, 0.5, 0.05, 1.1, 0.2, -0.3, 0.7, 0.1, 2.0);
  EXPECT_NEAR(two.X, one.X / 4.0, 1e-15);
  EXPECT_NEAR(two.Y, one.Y / 4.0, 1e-15);
  EXPECT_NEAR(two.Z, one.Z / 2.0, 1e-15);
  EXPECT_EQ(two.delta, one.delta);
}

// A tilted planet orbit: the Sun falls at X = -(xi^2 + eta^2)/rp^2, Y = 0,
// Z = -zeta/rp, and a body on the planet's orbit normal lies on the Z axis.
TEST(Rotan, TiltedPlaneAndTheSun) {
  const double node = 1.2, incl = 0.4;
  // Planet in its own plane at longitude 0.9 from the node, distance 1.5.
  const double lon = 0.9, rp = 1.5;
  const double px = rp * (std::cos(node) * std::cos(lon) - std::sin(node) * std::sin(lon) * std::cos(incl));
  const double py = rp * (std::sin(node) * std::cos(lon) + std::cos(node) * std::sin(lon) * std::cos(incl));
  const double pz = rp * std::sin(lon) * std::sin(incl);
  const RotatingPoint sun = to_rotating_frame(px, py, pz, 0, 0, 0, node, incl, rp);
  EXPECT_NEAR(sun.X, -1.0, 1e-15);
  EXPECT_NEAR(sun.Y, 0.0, 1e-15);
  EXPECT_NEAR(sun.Z, 0.0, 1e-15);
  EXPECT_NEAR(sun.delta, rp, 1e-15);
  const double nx = std::sin(node) * std::sin(incl), ny = -std::cos(node) * std::sin(incl);
  const double nz = std::cos(incl);
  const RotatingPoint above = to_rotating_frame(px, py, pz, px + 0.3 * nx, py + 0.3 * ny, pz + 0.3 * nz, node, incl, rp);
  EXPECT_NEAR(above.X, 0.0, 1e-15);
  EXPECT_NEAR(above.Y, 0.0, 1e-15);
  EXPECT_NEAR(above.Z, 0.2, 1e-15);
}

}  // namespace
