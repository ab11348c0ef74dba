// The cheap encounter-zone test against the full one, over random pairs around the
// zone's edge: it never calls a pair outside that the full test calls inside, and it
// settles every pair well beyond the edge.
#include <gtest/gtest.h>

#include <cmath>
#include <random>

#include "dynamics/encounter_zone.h"

namespace {

using namespace dynamics;

TEST(EncounterZone, CheapTestNeverContradictsTheFullOne) {
  std::mt19937_64 random(21);
  std::normal_distribution<double> normal;
  std::uniform_real_distribution<double> log_hill(-4.0, -0.3), log_speed(-1.0, 1.5), edge(0.3, 3.0);
  auto vector_of_length = [&](double length) {
    const Vec3 v{normal(random), normal(random), normal(random)};
    const double f = length / norm(v);
    return Vec3{v[0] * f, v[1] * f, v[2] * f};
  };
  int settled = 0, far = 0;
  for (int n = 0; n < 200000; ++n) {
    const double hill = std::pow(10.0, log_hill(random)), dt = n % 2 == 0 ? 0.005 : -0.005;
    const Vec3 velocity = vector_of_length(std::pow(10.0, log_speed(random)));
    const double reach = 3.0 * hill + norm(velocity) * std::fabs(dt);
    const PairGeometry pair{vector_of_length(reach * edge(random)), vector_of_length(3.0 * hill * edge(random)),
                            velocity};
    const bool cheap = surely_outside_encounter_zone(pair, hill, dt);
    ASSERT_FALSE(cheap && !outside_encounter_zone(pair, norm(pair.separation), hill, dt)) << n;
    settled += cheap;
    if (norm(pair.separation) > 1.5 * reach && norm(pair.start_separation) > 3.0 * hill * (1.0 + 1e-9)) {
      ++far;
      EXPECT_TRUE(cheap) << n;
    }
  }
  EXPECT_GT(far, 10000);
  EXPECT_GE(settled, far);
}

}  // namespace
