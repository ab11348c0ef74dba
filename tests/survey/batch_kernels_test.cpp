// The batch's drift and kick lane by lane against the scalar drift and kick of a run:
// the same states to the rounding of the sine, the cosine and the reciprocal, and the
// same lanes left to the scalar path.
#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <numbers>
#include <random>
#include <vector>

#include "dynamics/conic.h"
#include "dynamics/shared_blocks.h"
#include "dynamics/drift.h"
#include "dynamics/perturb.h"
#include "sky/earth_moon.h"
#include "sky/sky.h"
#include "survey/batch/drift.h"
#include "survey/batch/kick.h"
#include "survey/batch/minima_screen.h"
#include "survey/engine/group_legs.h"

namespace {

using dynamics::Vec3;
using namespace survey;

void put(LaneStates& states, size_t l, const Vec3& x, const Vec3& v) {
  states.x[l] = x[0], states.y[l] = x[1], states.z[l] = x[2];
  states.vx[l] = v[0], states.vy[l] = v[1], states.vz[l] = v[2];
  states.r[l] = dynamics::norm(x);
}

// |a - b| within `relative` of |b|, componentwise against the vector's size.
void expect_close(const Vec3& a, const Vec3& b, double relative) {
  for (int c = 0; c < 3; ++c) EXPECT_NEAR(a[c], b[c], relative * dynamics::norm(b)) << c;
}

TEST(BatchDrift, DriftsAsTheScalarDriftAndLeavesWhatItRemoves) {
  dynamics::SharedBlocks blocks;
  dynamics::store_constants(blocks, 1.0);
  const double gm = blocks.constants.gm_central, half_step = 0.0025;
  const struct {
    double q, e, t;  // perihelion (AU), eccentricity, years from perihelion
    bool leaves;
  } cases[] = {
      {0.9, 0.1, 0.3, false},       {0.3, 0.95, -0.001, false},  // across its perihelion
      {2.5, 0.6, 1.0, false},       {1.0, 1.5, 0.1, true},       // a hyperbola
      {1.0, 1.0 - 5e-7, 0.0, true},                              // next to a parabola
      {0.004, 0.5, 0.0, true},                                   // inside the capture radius
      {0.004, 0.99, -0.002, true},                               // falls into the Sun in the drift
      {61.0, 0.995, 0.0, true},                                  // beyond the ejection limits
  };
  const size_t count = std::size(cases);
  ObjectBatch batch(count);
  std::vector<Vec3> x(batch.lanes), v(batch.lanes);
  for (size_t l = 0; l < batch.lanes; ++l) {
    const auto& c = cases[l < count ? l : 0];
    dynamics::state_from_conic(gm, {c.q, c.e, 0.3, 1.0, 2.0, 0.0}, c.t, x[l], v[l], 0.0);
    put(batch.now, l, x[l], v[l]);
  }
  drift_batch(drift_limits(blocks), half_step, batch);
  for (size_t l = 0; l < count; ++l) {
    EXPECT_EQ(batch.out[l] != 0.0, cases[l].leaves) << l;
    if (cases[l].leaves) continue;
    double r = dynamics::norm(x[l]), e = 0.0, q = 0.0;
    int flag = 0;
    dynamics::drift_orbit(gm, half_step, x[l], v[l], r, e, q, flag, 0.0);
    expect_close({batch.now.x[l], batch.now.y[l], batch.now.z[l]}, x[l], 2e-15);
    expect_close({batch.now.vx[l], batch.now.vy[l], batch.now.vz[l]}, v[l], 2e-15);
  }
}

// Objects about the Earth of the planets at an epoch: the pulls of the nine planets as
// the run's kick adds them, and the lanes inside the Earth's encounter zone out.
TEST(BatchKick, KicksAsTheRunAndLeavesThePairsInsideAZone) {
  EpochPlanets planets;
  carry_planets(planets, 2458666.5, sky::sky_model(sky::Sky::table));
  dynamics::SharedBlocks blocks = planets.blocks;
  auto bodies = std::make_unique<dynamics::Bodies>(planets.bodies);
  const Vec3 earth = bodies->x[3], earth_v = bodies->v[3];
  // The Earth's zone is 0.03 AU and the travel; the squared test leaves a margin of up
  // to twice the squared bound to the full one.
  const struct {
    Vec3 offset;
    bool out, inside;  // out of the batch; inside the zone (an encounter integration)
  } cases[] = {{{0.5, 0.0, 0.0}, false, false},     {{0.0, -0.2, 0.05}, false, false},
               {{0.02, 0.0, 0.0}, true, true},      {{0.0, 0.0, -0.04}, true, false},
               {{-0.001, 0.003, 0.0}, true, true},  {{1.5, 1.5, 0.0}, false, false}};
  const size_t count = std::size(cases);
  ObjectBatch batch(count);
  const Vec3 drift_velocity{0.3, -0.2, 0.1};
  for (size_t l = 0; l < batch.lanes; ++l) {
    const Vec3 offset = cases[l < count ? l : 0].offset;
    const Vec3 x{earth[0] + offset[0], earth[1] + offset[1], earth[2] + offset[2]};
    const Vec3 v{earth_v[0] + drift_velocity[0], earth_v[1] + drift_velocity[1], earth_v[2] + drift_velocity[2]};
    put(batch.now, l, x, v);
    if (l >= count) continue;
    const int k = dynamics::add_small_body(blocks, *bodies, {1.0, 0.1, 1.0, 0.0, 0.0, 0.0});
    bodies->x[k] = x, bodies->v[k] = v, bodies->r[k] = dynamics::norm(x);
  }
  batch.at_start = batch.now;
  for (int k = 1; k <= blocks.counts.total; ++k) bodies->x0[k] = bodies->x[k], bodies->v0[k] = bodies->v[k];
  std::vector<dynamics::PlanetPlace> places;
  for (int p = 1; p <= blocks.counts.planets; ++p) places.push_back({bodies->x[p], bodies->v[p], bodies->r[p]});
  const double dt = kSurveyClass.step;
  kick_batch(kick_planets(blocks, hill_factors(blocks), places.data(), places.data(), dt, dt), dt, batch);
  auto encounters = std::make_unique<dynamics::Encounters>();
  dynamics::start_run(*encounters);
  dynamics::kick_small_bodies_only(blocks, *bodies, *encounters, dt, dt);
  for (size_t l = 0; l < count; ++l) {
    const int k = blocks.counts.planets + 1 + static_cast<int>(l);
    EXPECT_EQ(batch.out[l] != 0.0, cases[l].out) << l;
    EXPECT_EQ(encounters->encounter.contains(k), cases[l].inside) << l;
    if (cases[l].inside) continue;
    const Vec3 kick{batch.now.vx[l] - bodies->v0[k][0], batch.now.vy[l] - bodies->v0[k][1],
                    batch.now.vz[l] - bodies->v0[k][2]};
    expect_close(kick, dynamics::diff(bodies->v[k], bodies->v0[k]), 1e-14);
  }
}

// A sky with a made-up Moon about the Earth: 0.02 AU from it (fifty times the real
// distance, so its pull shows plainly), turning once in 27.3 days about an axis off the
// ecliptic pole; its planets and objects are the table sky's.
constexpr double kMadeUpEpoch = 2460000.5;
class MadeUpMoonSky final : public sky::SkyModel {
 public:
  void set_up_planets(dynamics::SharedBlocks& blocks, dynamics::Bodies& bodies, const dynamics::IntegrationClass& klass,
                      double epoch_jd) const override {
    sky::sky_model(sky::Sky::table).set_up_planets(blocks, bodies, klass, epoch_jd);
  }
  bool has_moon() const override { return true; }
  dynamics::Vec3 moon_at(double jd) const override {
    const double turn = 2.0 * std::numbers::pi * (jd - kMadeUpEpoch) / 27.3;
    return {0.02 * std::cos(turn), 0.02 * std::sin(turn), 0.004 * std::sin(turn)};
  }
  dynamics::OrbitalElements object_elements(const dynamics::OrbitalElements& elements, double) const override {
    return elements;
  }
};

// The Earth and the Moon pulling apart, in the batch's kick and in the run's: the kick of
// each object against Newton's law for the Earth's centre and the Moon, placed here from
// the barycentre, the made-up Moon at the middle of the step and the Earth's mass over the
// Moon's (81.30056), less the barycentre's pull on the Sun. No catalogue, no ephemeris.
TEST(BatchKick, PullsWithTheEarthAndTheMoonApart) {
  dynamics::SharedBlocks blocks;
  dynamics::store_constants(blocks, 1.0);
  const double gm = 3.0e-6 * blocks.constants.k2, share = 1.0 / (1.0 + 81.30056);
  const MadeUpMoonSky made_up;
  blocks.epoch_jd = kMadeUpEpoch;
  blocks.counts.planets = blocks.counts.total = 1;
  blocks.gm[1] = gm;
  blocks.start_slot[1] = 1;
  blocks.planet_number[1] = dynamics::kEarthNumber;
  blocks.earth_moon = std::make_shared<const sky::EarthMoonApart>(made_up);
  auto bodies = std::make_unique<dynamics::Bodies>();
  // At rest, so that the kick is the velocity after it to the last bit.
  const Vec3 barycentre{0.6, -0.8, 0.0}, barycentre_v{0.0, 0.0, 0.0};
  bodies->x[1] = bodies->x0[1] = barycentre;
  bodies->v[1] = bodies->v0[1] = barycentre_v;
  bodies->r[1] = dynamics::norm(barycentre);
  const Vec3 offsets[] = {{0.1, 0.0, 0.0}, {-0.07, 0.06, 0.01}, {0.0, 0.0, -0.09}, {0.05, 0.09, 0.0}};
  const size_t count = std::size(offsets);
  ObjectBatch batch(count);
  for (size_t l = 0; l < batch.lanes; ++l) {
    const Vec3 offset = offsets[l < count ? l : 0];
    const Vec3 x{barycentre[0] + offset[0], barycentre[1] + offset[1], barycentre[2] + offset[2]};
    put(batch.now, l, x, barycentre_v);
    if (l >= count) continue;
    const int k = dynamics::add_small_body(blocks, *bodies, {1.0, 0.1, 1.0, 0.0, 0.0, 0.0});
    bodies->x[k] = bodies->x0[k] = x;
    bodies->v[k] = bodies->v0[k] = barycentre_v;
    bodies->r[k] = dynamics::norm(x);
  }
  batch.at_start = batch.now;
  const double dt = 0.005, T = 0.5;  // the step ending half a year after the epoch
  const std::vector<dynamics::PlanetPlace> places{{barycentre, barycentre_v, dynamics::norm(barycentre)}};
  kick_batch(kick_planets(blocks, hill_factors(blocks), places.data(), places.data(), dt, T), dt, batch);
  auto encounters = std::make_unique<dynamics::Encounters>();
  dynamics::start_run(*encounters);
  dynamics::kick_small_bodies_only(blocks, *bodies, *encounters, dt, T);
  const Vec3 moon = made_up.moon_at(kMadeUpEpoch + (T - dt / 2.0) * 365.25);
  Vec3 earth_place, moon_place;
  for (int c = 0; c < 3; ++c) {
    earth_place[c] = barycentre[c] - share * moon[c];
    moon_place[c] = earth_place[c] + moon[c];
  }
  const double b3 = std::pow(dynamics::norm(barycentre), 3);
  for (size_t l = 0; l < count; ++l) {
    const int k = 2 + static_cast<int>(l);
    const Vec3 x = bodies->x0[k];
    const Vec3 to_earth = dynamics::diff(earth_place, x), to_moon = dynamics::diff(moon_place, x);
    const double e3 = std::pow(dynamics::norm(to_earth), 3), m3 = std::pow(dynamics::norm(to_moon), 3);
    Vec3 expected;
    for (int c = 0; c < 3; ++c) {
      expected[c] = dt * (gm * (1.0 - share) * to_earth[c] / e3 + gm * share * to_moon[c] / m3 - gm * barycentre[c] / b3);
    }
    EXPECT_EQ(batch.out[l], 0.0) << l;
    expect_close({batch.now.vx[l] - barycentre_v[0], batch.now.vy[l] - barycentre_v[1], batch.now.vz[l] - barycentre_v[2]},
                 expected, 1e-13);
    EXPECT_FALSE(encounters->encounter.contains(k)) << l;
    expect_close(dynamics::diff(bodies->v[k], barycentre_v), expected, 1e-13);
  }
}

// The screen never drops a minimum the cubic finds below the distance (random paths about
// a target at rest at the origin, both directions of the step), and drops some others.
TEST(BatchMinimaScreen, KeepsEveryMinimumBelowTheDistance) {
  std::mt19937_64 random(7);
  std::uniform_real_distribution<double> place(-0.06, 0.06), speed(-40.0, 40.0), bend(-0.01, 0.01), part(0.0, 1.0);
  const double distance = 0.05;
  size_t close = 0, minima = 0, kept = 0;
  for (const double h : {0.005, -0.005}) {
    ObjectBatch batch(4096);
    for (size_t l = 0; l < batch.lanes; ++l) {
      const Vec3 v{speed(random), speed(random), speed(random)};
      const double before = part(random) * h;  // the pass this far into the step
      const Vec3 x{place(random) - v[0] * before, place(random) - v[1] * before, place(random) - v[2] * before};
      put(batch.at_start, l, x, v);
      put(batch.now, l, {x[0] + v[0] * h + bend(random) * h, x[1] + v[1] * h, x[2] + v[2] * h},
          {v[0] + bend(random), v[1] + bend(random), v[2] + 100.0 * bend(random)});
    }
    screen_minima({}, {}, h, distance, batch);
    for (size_t l = 0; l < batch.lanes; ++l) {
      const RelativeState start{{batch.at_start.x[l], batch.at_start.y[l], batch.at_start.z[l]},
                                {batch.at_start.vx[l], batch.at_start.vy[l], batch.at_start.vz[l]}};
      const RelativeState end{{batch.now.x[l], batch.now.y[l], batch.now.z[l]},
                              {batch.now.vx[l], batch.now.vy[l], batch.now.vz[l]}};
      const RelativeState &earlier = h > 0.0 ? start : end, &later = h > 0.0 ? end : start;
      kept += batch.candidate[l] != 0.0;
      if (!has_minimum(earlier, later)) continue;
      ++minima;
      if (refine_minimum(earlier, later, std::fabs(h)).distance >= distance) continue;
      ++close;
      EXPECT_NE(batch.candidate[l], 0.0) << l;
    }
  }
  EXPECT_GT(close, 20u);
  EXPECT_LT(kept, minima);
}

}  // namespace
