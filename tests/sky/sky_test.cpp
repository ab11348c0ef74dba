// The sky's names, the frame turn and the two skies against each other.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "dynamics/constants.h"
#include "dynamics/shared_blocks.h"
#include "dynamics/planet_setup.h"
#include "dynamics/planets_to_epoch.h"
#include "sky/earth_moon.h"
#include "sky/ecliptic_frame.h"
#include "sky/series_planets.h"
#include "sky/sky.h"

namespace sky {
namespace {

constexpr double kAuKm = 1.0 / dynamics::kKmToAu;

double distance_km(const dynamics::Vec3& a, const dynamics::Vec3& b) { return dynamics::norm(dynamics::diff(a, b)) * kAuKm; }

TEST(SkyName, RoundTripsAndRefusesOthers) {
  for (const Sky sky : {Sky::table, Sky::ephemeris}) EXPECT_EQ(parse_sky(sky_name(sky)), sky);
  for (const char* other : {"", "Table", "ephemeris ", "eph"}) EXPECT_FALSE(parse_sky(other)) << other;
}

TEST(EclipticFrame, RoundTripAndTurnAboutTheEquinox) {
  const dynamics::Vec3 v{0.3, -1.2, 0.7};
  const dynamics::Vec3 back = ecliptic_to_equatorial(equatorial_to_ecliptic(v));
  for (int c = 0; c < 3; ++c) EXPECT_NEAR(back[c], v[c], 1e-15);
  // The summer solstice (right ascension 6 h, declination the obliquity) is ecliptic
  // longitude 90 degrees on the ecliptic; the equinox stays where it is.
  const double eps = kObliquityJ2000Arcsec / 3600.0 * dynamics::kDegToRad;
  const dynamics::Vec3 solstice = equatorial_to_ecliptic({0.0, std::cos(eps), std::sin(eps)});
  EXPECT_NEAR(solstice[0], 0.0, 1e-15);
  EXPECT_NEAR(solstice[1], 1.0, 1e-15);
  EXPECT_NEAR(solstice[2], 0.0, 1e-15);
  const dynamics::Vec3 equinox = equatorial_to_ecliptic({1.0, 0.0, 0.0});
  EXPECT_DOUBLE_EQ(equinox[0], 1.0);
}

TEST(EarthMoon, BarycentreAndEarthAreInverse) {
  const dynamics::Vec3 moon = moon_geocentric(2458849.5);
  const double moon_km = dynamics::norm(moon) * kAuKm;
  EXPECT_GT(moon_km, 356000.0);
  EXPECT_LT(moon_km, 407000.0);
  const dynamics::Vec3 earth{0.2, 0.9, 0.0};
  const dynamics::Vec3 barycentre = barycentre_from_earth(earth, moon);
  EXPECT_NEAR(distance_km(barycentre, earth), moon_km / (1.0 + kEarthMoonMassRatio), 1e-6);
  EXPECT_LT(distance_km(earth_from_barycentre(barycentre, moon), earth), 1e-6);
}

// The Moon's series turned into the ecliptic frame: the Moon's orbit leans 5.0 to 5.3
// degrees on the ecliptic (18 to 29 on the equator), so over a month its ecliptic latitude
// reaches about five degrees either way and never 5.4.
TEST(EarthMoon, MoonKeepsWithinItsInclinationOfTheEcliptic) {
  double north = 0.0, south = 0.0;
  for (double jd = 2458849.5; jd < 2458849.5 + 28.0; jd += 0.25) {
    const dynamics::Vec3 moon = moon_geocentric(jd);
    const double latitude = std::asin(moon[2] / dynamics::norm(moon)) / dynamics::kDegToRad;
    north = std::max(north, latitude);
    south = std::min(south, latitude);
  }
  EXPECT_GT(north, 4.9);
  EXPECT_LT(north, 5.4);
  EXPECT_LT(south, -4.9);
  EXPECT_GT(south, -5.4);
}

struct PlanetRun {
  dynamics::SharedBlocks blocks;
  dynamics::Bodies bodies;
};

// Each sky against what it says of itself: one with the Moon sets the Earth and the Moon
// apart, the barycentre their mean weighted by the mass ratio and the Moon at the sky's
// geocentric place, its velocity the difference of that place over 0.02 day; one
// without keeps the barycentre one mass.
TEST(SkyModel, SplitsTheBarycentreExactlyWhenItHasTheMoon) {
  constexpr double kRatio = 81.30056;  // the Earth's mass over the Moon's
  for (const Sky name : {Sky::table, Sky::ephemeris}) {
    const SkyModel& sky = sky_model(name);
    const dynamics::IntegrationClass klass = dynamics::integration_class(0.9, 3);
    PlanetRun run;
    dynamics::store_constants(run.blocks, klass.central_mass);
    sky.set_up_planets(run.blocks, run.bodies, klass, 2458849.5);
    ASSERT_EQ(run.blocks.earth_moon != nullptr, sky.has_moon()) << sky_name(name);
    if (!sky.has_moon()) continue;
    const int slot = dynamics::planet_slot(klass, 3);
    const dynamics::Vec3 barycentre = run.bodies.x[slot], velocity = run.bodies.v[slot];
    EXPECT_DOUBLE_EQ(run.blocks.earth_moon->moon_radius() * kAuKm, 1737.4);
    for (const double jd : {2458849.5, 2458860.3}) {
      const dynamics::EarthAndMoon at = run.blocks.earth_moon->places(barycentre, jd);
      const dynamics::EarthAndMoon speed = run.blocks.earth_moon->velocities(velocity, jd);
      const dynamics::Vec3 moon = sky.moon_at(jd);
      const dynamics::Vec3 later = sky.moon_at(jd + 0.01), earlier = sky.moon_at(jd - 0.01);
      for (int c = 0; c < 3; ++c) {
        EXPECT_NEAR((kRatio * at.earth[c] + at.moon[c]) / (kRatio + 1.0), barycentre[c], 1e-15) << jd;
        EXPECT_NEAR(at.moon[c] - at.earth[c], moon[c], 1e-15) << jd;
        EXPECT_NEAR((kRatio * speed.earth[c] + speed.moon[c]) / (kRatio + 1.0), velocity[c], 1e-14) << jd;
        EXPECT_NEAR(speed.moon[c] - speed.earth[c], (later[c] - earlier[c]) / 0.02 * 365.25, 1e-13) << jd;
      }
    }
  }
}

TEST(TableSky, IsTheDynamicsSetUpBitForBit) {
  for (const double epoch : {2451400.5, 2458600.5, 2440000.5}) {
    for (const dynamics::IntegrationClass klass : {dynamics::integration_class(0.9, 3), dynamics::integration_class(5.0, 5)}) {
      PlanetRun expected;
      dynamics::store_constants(expected.blocks, klass.central_mass);
      expected.blocks.epoch_jd = epoch;
      dynamics::setup_planets(expected.blocks, expected.bodies, klass);
      dynamics::carry_planets_to_epoch(expected.blocks, expected.bodies, dynamics::kPlanetEpochJd);
      PlanetRun got;
      dynamics::store_constants(got.blocks, klass.central_mass);
      sky_model(Sky::table).set_up_planets(got.blocks, got.bodies, klass, epoch);
      EXPECT_EQ(got.blocks.epoch_jd, epoch);
      EXPECT_EQ(got.blocks.counts.planets, expected.blocks.counts.planets);
      for (int k = 1; k <= expected.blocks.counts.planets; ++k) {
        EXPECT_EQ(got.bodies.x[k], expected.bodies.x[k]) << epoch << " slot " << k;
        EXPECT_EQ(got.bodies.v[k], expected.bodies.v[k]) << epoch << " slot " << k;
      }
    }
  }
}

// At the table's own epoch the table's Earth–Moon barycentre and the one the Earth's and
// the Moon's series make agree within 55 km (measured): the frame turn, the units, the
// mass ratio and the heliocentric origin all enter it.
TEST(EphemerisSky, BarycentreAgreesWithTheTableAtItsEpoch) {
  const dynamics::IntegrationClass klass = dynamics::integration_class(0.9, 3);
  PlanetRun table;
  dynamics::store_constants(table.blocks, klass.central_mass);
  sky_model(Sky::table).set_up_planets(table.blocks, table.bodies, klass, dynamics::kPlanetEpochJd);
  const int earth = dynamics::planet_slot(klass, 3);
  EXPECT_LT(distance_km(series_state(3, dynamics::kPlanetEpochJd).x, table.bodies.x[earth]), 75.0);
}

}  // namespace
}  // namespace sky
