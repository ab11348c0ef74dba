// The path in the planet's turning frame: objects on the Earth's orbit ahead of it by 60°,
// behind it by 60° and opposite it stay where the frame puts those points (the Sun at
// (-1, 0), the planet at the origin, y along its motion), a point every step.
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "coorbital/turning_path.h"
#include "dynamics/conic.h"
#include "dynamics/planet_setup.h"
#include "survey/engine/group_legs.h"

namespace {

// The Earth's osculating elements at an epoch in the table sky, angles in degrees.
dynamics::OrbitalElements earth_at(double epoch_jd) {
  survey::EpochPlanets planets;
  survey::carry_planets(planets, epoch_jd, sky::sky_model(sky::Sky::table));
  const int slot = dynamics::planet_slot(survey::kSurveyClass, 3);
  const double mu = planets.blocks.constants.k2 + planets.blocks.gm[slot];
  dynamics::Conic conic;
  dynamics::conic_from_state(mu, 0.0, planets.bodies.x[slot], planets.bodies.v[slot], conic, 0.0);
  const double a = conic.q / (1.0 - conic.e), degrees = 180.0 / std::numbers::pi;
  return {a, conic.e, conic.i * degrees, conic.node * degrees, conic.peri * degrees,
          -std::sqrt(mu / (a * a * a)) * conic.tau * degrees};
}

TEST(TurningPath, PointsOnThePlanetsOrbitStayAtTheirAngleFromIt) {
  const double epoch = 2458666.5;
  const dynamics::OrbitalElements earth = earth_at(epoch);
  coorbital::CoorbitalSettings settings;
  settings.sky = sky::Sky::table;
  for (const double phi : {60.0, -60.0, 180.0}) {
    survey::SurveyObject object{"placed", "placed", epoch, earth, 0.0};
    object.elements.m = std::fmod(earth.m + phi + 360.0, 360.0);
    const std::vector<coorbital::PathPoint> path = coorbital::turning_path(object, settings, -1.0, 2.0);
    ASSERT_GT(path.size(), 500u) << phi;
    EXPECT_NEAR(path.front().years, -1.0, 0.01) << phi;
    EXPECT_NEAR(path.back().years, 2.0, 0.01) << phi;
    const double radians = phi * std::numbers::pi / 180.0;
    // Where the frame puts a point of the planet's circle phi ahead of it. Two bodies half
    // a turn apart on one ellipse of eccentricity e = 0.017 part from the circle's points
    // by up to about 4e in the frame: 0.07.
    const double x = std::cos(radians) - 1.0, y = std::sin(radians);
    for (std::size_t k = 0; k < path.size(); ++k) {
      EXPECT_NEAR(path[k].x, x, 0.08) << phi << " at " << path[k].years;
      EXPECT_NEAR(path[k].y, y, 0.08) << phi << " at " << path[k].years;
      if (k > 0) {
        EXPECT_NEAR(path[k].years - path[k - 1].years, 0.005, 1e-6) << "a point every step";
      }
    }
  }
}

}  // namespace
