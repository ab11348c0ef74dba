// The refinement of a closest approach inside a step, against closed forms and a dense
// search of the same motion.
#include <gtest/gtest.h>

#include <cmath>

#include "survey/engine/closest_approach.h"

namespace {

using namespace survey;
using dynamics::Vec3;

// Motion with constant acceleration: position and velocity at time t.
struct Parabola {
  Vec3 p, v, a;
  RelativeState at(double t) const {
    RelativeState s;
    for (int c = 0; c < 3; ++c) {
      s.position[c] = p[c] + v[c] * t + 0.5 * a[c] * t * t;
      s.velocity[c] = v[c] + a[c] * t;
    }
    return s;
  }
};

// A straight line: the cubic through both ends is the line itself, so the minimum is
// the closed form t* = -p.v / v.v, d = |p x v| / |v|.
TEST(ClosestApproach, StraightLineGivesTheClosedForm) {
  const Parabola line{{0.03, -0.02, 0.004}, {1.5, 2.5, -0.3}, {0.0, 0.0, 0.0}};
  const double span = 0.005;
  const RelativeState a = line.at(0.0), b = line.at(span);
  ASSERT_TRUE(has_minimum(a, b));
  const ClosestApproach found = refine_minimum(a, b, span);
  const double t_star = -dynamics::dot(line.p, line.v) / dynamics::dot(line.v, line.v);
  const double d_star = dynamics::norm(dynamics::cross(line.p, line.v)) / dynamics::norm(line.v);
  EXPECT_NEAR(found.fraction * span, t_star, 1e-14);
  EXPECT_NEAR(found.distance, d_star, 1e-15);
  EXPECT_NEAR(found.speed, dynamics::norm(line.v), 1e-12);
}

// Constant acceleration is a quadratic, which the cubic also holds exactly: compare with
// a dense scan of the true distance.
TEST(ClosestApproach, CurvedPathAgreesWithADenseScan) {
  const Parabola path{{0.05, 0.01, -0.002}, {-4.0, 1.0, 0.2}, {60.0, -25.0, 5.0}};
  const double span = 0.02;
  const RelativeState a = path.at(0.0), b = path.at(span);
  ASSERT_TRUE(has_minimum(a, b));
  const ClosestApproach found = refine_minimum(a, b, span);
  double best_t = 0.0, best_d = 1e30;
  const int samples = 2000000;
  for (int n = 0; n <= samples; ++n) {
    const double t = span * n / samples;
    const double d = dynamics::norm(path.at(t).position);
    if (d < best_d) best_d = d, best_t = t;
  }
  EXPECT_NEAR(found.fraction * span, best_t, 2.0 * span / samples);
  EXPECT_NEAR(found.distance, best_d, 1e-12);
}

TEST(ClosestApproach, NoMinimumWhileStillApproachingOrAlreadyReceding) {
  const Parabola line{{0.5, 0.0, 0.0}, {-1.0, 0.1, 0.0}, {0.0, 0.0, 0.0}};
  // Approaching at both ends.
  EXPECT_FALSE(has_minimum(line.at(0.0), line.at(0.1)));
  // Receding at both ends.
  EXPECT_FALSE(has_minimum(line.at(0.6), line.at(0.7)));
  EXPECT_TRUE(has_minimum(line.at(0.4), line.at(0.6)));
}

}  // namespace
