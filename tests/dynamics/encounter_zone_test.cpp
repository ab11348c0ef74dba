// The cheap encounter-zone test against the full one, over random pairs around the
// zone's edge: it never calls a pair outside that the full test calls inside, and it
// settles every pair well beyond the edge. And the zone against its definition, through
// the kick: the pairs it integrates together are those within three Hill radii.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <memory>
#include <random>

#include "dynamics/encounter_lists.h"
#include "dynamics/encounter_zone.h"
#include "dynamics/perturb.h"
#include "dynamics/planet_setup.h"
#include "dynamics/shared_blocks.h"

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
    const bool cheap = surely_outside_encounter_zone(kScalar, dot(pair.separation, pair.separation),
                                                     dot(pair.start_separation, pair.start_separation),
                                                     dot(pair.relative_velocity, pair.relative_velocity), hill, dt);
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

// The kick integrates a body together with the Earth exactly when the body lies within
// three Hill radii of it at the step's start, or within three Hill radii plus its radial
// travel over the step at the kick: the Hill radius computed here, r (m / 3 M)^(1/3), from
// the Earth's distance and the masses. Both sides of each bound, with a margin of a few
// per cent over the kick's own rounded cube root.
TEST(EncounterZone, KickIntegratesTogetherThePairsWithinThreeHillRadii) {
  SharedBlocks blocks;
  auto bodies = std::make_unique<Bodies>();
  const IntegrationClass klass{};
  store_constants(blocks, klass.central_mass);
  setup_planets(blocks, *bodies, klass);
  const int earth = planet_slot(klass, 3);
  const Vec3 centre = bodies->x[earth], velocity = bodies->v[earth];
  const double hill = norm(centre) * std::cbrt(blocks.gm[earth] / (3.0 * blocks.constants.gm_central));
  const double dt = klass.step;
  const Vec3 out{0.6, -0.64, 0.48};  // a unit vector, from the Earth to the body
  const struct {
    double at_start, at_kick;  // distance from the Earth, Hill radii
    double receding;           // radial speed away from the Earth at the kick, in zone radii per step
    bool together;
  } cases[] = {
      {2.5, 2.5, 0.0, true},    {2.95, 2.95, 0.0, true},  {3.05, 3.05, 0.0, false}, {5.0, 5.0, 0.0, false},
      {2.5, 4.0, 0.0, true},    // inside at the start only
      {4.0, 2.5, 0.0, true},    // inside at the kick only
      {4.0, 3.0 + 0.5 * 3.0 * 0.2, 0.2, true},   // within the zone and half its travel
      {4.0, 3.0 + 1.5 * 3.0 * 0.2, 0.2, false},  // beyond the zone and its travel
      {4.0, 3.0 + 0.5 * 3.0 * 0.2, -0.2, true},  // approaching: the travel counts alike
  };
  for (const auto& c : cases) {
    SharedBlocks run = blocks;
    auto at = std::make_unique<Bodies>(*bodies);
    const int k = add_small_body(run, *at, {1.0, 0.1, 1.0, 0.0, 0.0, 0.0});
    const double speed = c.receding * 3.0 * hill / dt;
    for (int i = 0; i < 3; ++i) {
      at->x[k][i] = centre[i] + c.at_kick * hill * out[i];
      at->x0[k][i] = centre[i] + c.at_start * hill * out[i];
      at->v[k][i] = velocity[i] + speed * out[i];
      at->v0[k][i] = velocity[i];
    }
    at->r[k] = norm(at->x[k]);
    for (int p = 1; p <= run.counts.planets; ++p) at->x0[p] = at->x[p], at->v0[p] = at->v[p];
    auto encounters = std::make_unique<Encounters>();
    start_run(*encounters);
    kick_small_bodies_only(run, *at, *encounters, dt, dt);
    const bool together = std::any_of(encounters->pairs.begin(), encounters->pairs.end(), [&](const EncounterPair& pair) {
      return pair.planet == 3 && pair.body == run.start_slot[k];
    });
    EXPECT_EQ(together, c.together) << c.at_start << " " << c.at_kick << " " << c.receding;
  }
}

}  // namespace
