// Objects that leave the run: one aimed at the Earth gives a collision row, one inside
// the Sun a fall into the Sun; each is then gone, with no row after its loss.
#include <gtest/gtest.h>

#include <cmath>
#include <sstream>

#include "dynamics/conic.h"
#include "dynamics/earth_moon_split.h"
#include "dynamics/shared_blocks.h"
#include "survey/engine/group_legs.h"

namespace {

using namespace survey;
using dynamics::Vec3;

constexpr double kEpoch = 2458666.5;

// Elements (as a catalogue gives them) of the heliocentric state X, V at kEpoch.
dynamics::OrbitalElements elements_of(const Vec3& X, const Vec3& V) {
  const double gm = dynamics::kGaussK2;
  const double t = kEpoch / dynamics::kDaysPerYear;
  dynamics::Conic conic;
  dynamics::conic_from_state(gm, t, X, V, conic, 0.0);
  const double a = conic.q / (1.0 - conic.e);
  const double n = std::sqrt(gm / (a * a * a));
  const double deg = 180.0 / dynamics::kPi;
  return {a, conic.e, conic.i * deg, conic.node * deg, conic.peri * deg, n * (t - conic.tau) * deg};
}

SurveySettings month_after_epoch() {
  SurveySettings settings;
  settings.from_jd = kEpoch;
  settings.to_jd = kEpoch + 30.0;
  settings.watched[3] = true;
  settings.distance_au = 0.05;
  return settings;
}

// 0.02 AU from the Earth, heading straight at it at 10 km/s: it hits after about
// 0.02 AU / 10 km/s = 3.46 d (a little less, the Earth pulling it in).
TEST(SurveyLosses, ObjectAimedAtTheEarthCollides) {
  EpochPlanets planets;
  carry_planets(planets, kEpoch, sky::sky_model(sky::Sky::table));
  const int earth = dynamics::planet_slot(kSurveyClass, 3);
  const Vec3 toward = {0.6, 0.8, 0.0};
  const double distance = 0.02, speed = 10.0 * dynamics::kAuYrPerKmS;
  Vec3 X, V;
  for (int c = 0; c < 3; ++c) {
    X[c] = planets.bodies.x[earth][c] - distance * toward[c];
    V[c] = planets.bodies.v[earth][c] + speed * toward[c];
  }
  SurveyObject object{"Impactor", "X0001", kEpoch, elements_of(X, V)};
  const std::vector<ObjectOutcome> outcome = survey_group({&object}, planets, month_after_epoch());
  ASSERT_EQ(outcome[0].rows.size(), 1u);
  const SurveyRow& row = outcome[0].rows[0];
  EXPECT_EQ(row.event, EventKind::collision);
  EXPECT_EQ(row.planet, 3);
  const double straight_days = distance / speed * dynamics::kDaysPerYear;
  EXPECT_GT(row.jd, kEpoch + 0.95 * straight_days);
  EXPECT_LT(row.jd, kEpoch + straight_days);
  EXPECT_LT(row.distance, 6371.0 * dynamics::kKmToAu);
  EXPECT_GT(row.speed_kms, 10.0);
  // The run stopped at the loss: fewer steps than the month needs.
  EXPECT_LT(outcome[0].steps, static_cast<long>(30.0 / (kSurveyClass.step * dynamics::kDaysPerYear)));
}

// Set up at perihelion 0.001 AU from the Sun, inside its capture radius (1.14 solar
// radii, 0.0053 AU): lost at the first step, judged from its state at the step's start.
TEST(SurveyLosses, ObjectInsideTheSunFallsIntoIt) {
  EpochPlanets planets;
  carry_planets(planets, kEpoch, sky::sky_model(sky::Sky::table));
  SurveyObject object{"Grazer", "X0002", kEpoch, {1.0, 0.999, 10.0, 30.0, 40.0, 0.0}};
  const std::vector<ObjectOutcome> outcome = survey_group({&object}, planets, month_after_epoch());
  ASSERT_EQ(outcome[0].rows.size(), 1u);
  const SurveyRow& row = outcome[0].rows[0];
  EXPECT_EQ(row.event, EventKind::sun);
  EXPECT_EQ(row.planet, 0);
  EXPECT_DOUBLE_EQ(row.jd, kEpoch + kSurveyClass.step * dynamics::kDaysPerYear);
  EXPECT_NEAR(row.distance, 0.001, 1e-12);
  EXPECT_EQ(outcome[0].steps, 1);
  std::ostringstream table;
  write_table(table, outcome[0].rows);
  EXPECT_NE(table.str().find(",Sun,"), std::string::npos);
}

// In the ephemeris sky the Moon is a target of its own: an object 100,000 km from it,
// crossing the ecliptic at 20 km/s relative speed (nearly straight over its 1.4 hours),
// passes at the distance it is aimed at, or hits the Moon when aimed at its centre.
TEST(SurveyLosses, ObjectAimedAtTheMoonPassesOrHits) {
  EpochPlanets planets;
  carry_planets(planets, kEpoch, sky::sky_model(sky::Sky::ephemeris));
  const int barycentre = dynamics::planet_slot(kSurveyClass, dynamics::kEarthNumber);
  const dynamics::EarthMoonSplit& split = *planets.blocks.earth_moon;
  const Vec3 moon = split.places(planets.bodies.x[barycentre], kEpoch).moon;
  const Vec3 moon_v = split.velocities(planets.bodies.v[barycentre], kEpoch).moon;
  const double start = 100000.0 * dynamics::kKmToAu, speed = 20.0 * dynamics::kAuYrPerKmS;
  const double straight_days = start / speed * dynamics::kDaysPerYear;
  for (const double miss_km : {20000.0, 0.0}) {  // miss along x, coming along z
    const Vec3 X{moon[0] + miss_km * dynamics::kKmToAu, moon[1], moon[2] - start};
    SurveyObject object{"Moon grazer", "X0003", kEpoch, elements_of(X, {moon_v[0], moon_v[1], moon_v[2] + speed})};
    SurveySettings settings = month_after_epoch();
    settings.watched = {};
    settings.watched[kMoonTarget] = true;
    settings.sky = sky::Sky::ephemeris;
    const std::vector<ObjectOutcome> outcome = survey_group({&object}, planets, settings);
    std::ostringstream table;
    write_table(table, outcome[0].rows);
    ASSERT_EQ(outcome[0].rows.size(), 1u) << table.str();
    const SurveyRow& row = outcome[0].rows[0];
    EXPECT_NE(table.str().find(",Moon,"), std::string::npos) << table.str();
    EXPECT_NEAR(row.jd, kEpoch + straight_days, 0.01 * straight_days) << miss_km;
    EXPECT_EQ(row.event, miss_km > 0.0 ? EventKind::approach : EventKind::collision) << miss_km;
    EXPECT_NEAR(row.distance, miss_km * dynamics::kKmToAu, miss_km > 0.0 ? 0.01 * miss_km * dynamics::kKmToAu : 1737.4 * dynamics::kKmToAu);
    EXPECT_NEAR(row.speed_kms, 20.0, miss_km > 0.0 ? 0.2 : 5.0);  // a hit speeds up falling in
  }
}

}  // namespace
