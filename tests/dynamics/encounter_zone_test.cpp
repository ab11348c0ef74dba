// The cheap encounter-zone test against the full one, over random pairs around the
// zone's edge: it never calls a pair outside that the full test calls inside, and it
// settles every pair well beyond the edge.
#include <gtest/gtest.h>

#include <cmath>
#include <random>

#include "dynamics/encounter_zone.h"

namespace {

using namespace dynamics;

Vec3 random_direction(std::mt19937_64& random) {
  std::normal_distribution<double> normal;
  const Vec3 v{normal(random), normal(random), normal(random)};
  const double length = norm(v);
  return {v[0] / length, v[1] / length, v[2] / length};
}

Vec3 scaled(const Vec3& v, double f) { return {v[0] * f, v[1] * f, v[2] * f}; }

TEST(EncounterZone, CheapTestNeverContradictsTheFullOne) {
  std::mt19937_64 random(21);
  std::uniform_real_distribution<double> log_hill(-4.0, -0.3), log_speed(-1.0, 1.5), edge(0.3, 3.0);
  int outside = 0, settled = 0, far = 0;
  for (int n = 0; n < 200000; ++n) {
    const double hill = std::pow(10.0, log_hill(random));
    const double dt = n % 2 == 0 ? 0.005 : -0.005;
    const Vec3 velocity = scaled(random_direction(random), std::pow(10.0, log_speed(random)));
    const double reach = 3.0 * hill + norm(velocity) * std::fabs(dt);
    PairGeometry pair{scaled(random_direction(random), reach * edge(random)),
                      scaled(random_direction(random), 3.0 * hill * edge(random)), velocity};
    const double d = norm(pair.separation);
    const bool full = outside_encounter_zone(pair, d, hill, dt);
    const bool cheap = surely_outside_encounter_zone(pair, hill, dt);
    ASSERT_FALSE(cheap && !full) << n;
    outside += full;
    settled += cheap;
    if (d > 1.5 * reach && norm(pair.start_separation) > 3.0 * hill * (1.0 + 1e-9)) {
      ++far;
      EXPECT_TRUE(cheap) << n;
    }
  }
  EXPECT_GT(far, 10000);
  EXPECT_GT(settled, outside / 2);
}

}  // namespace
