// The co-orbital search on the model: objects placed at a known libration, and the
// companions of the Earth known from the literature in the 2019 catalogue.
#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <numbers>
#include <sstream>

#include "coorbital/candidates.h"
#include "coorbital/coorbital_search.h"
#include "dynamics/conic.h"
#include "dynamics/planet_setup.h"
#include "survey/io/object_list.h"
#include "survey/engine/group_legs.h"

namespace {

using namespace coorbital;

Motion at_epoch(const ObjectVerdict& verdict) { return verdict.episodes.episodes[verdict.episodes.at_epoch].motion; }

// The Earth's osculating elements at an epoch in the table sky, angles in degrees.
dynamics::OrbitalElements earth_elements(double epoch_jd) {
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

// Objects on the Earth's orbit with a changed by a factor, another eccentricity (0: the
// Earth's) and their mean longitude moved by phi: where each kind of motion starts. Two
// epochs, so that each gets its own window.
TEST(CoorbitalSearch, ObjectsPlacedAtALibrationKeepIt) {
  struct Case {
    const char* name;
    double epoch, a_factor, e, phi;
    Motion motion;
  } cases[] = {
      {"quasi-satellite", 2458666.5, 1.0, 0.15, 0.0, Motion::quasi_satellite},
      {"L4", 2458666.5, 1.0, 0.0, 60.0, Motion::trojan_l4},
      {"L5", 2462319.0, 1.0, 0.0, -60.0, Motion::trojan_l5},
      {"horseshoe", 2458666.5, 1.001, 0.0, 180.0, Motion::horseshoe},
      {"passing", 2462319.0, 1.05, 0.0, 180.0, Motion::passing},
  };
  std::vector<survey::SurveyObject> objects;
  for (const Case& c : cases) {
    const dynamics::OrbitalElements earth = earth_elements(c.epoch);
    survey::SurveyObject object{c.name, c.name, c.epoch, earth, 0.0};
    object.elements.a *= c.a_factor;
    if (c.e > 0.0) object.elements.e = c.e;
    object.elements.m = std::fmod(earth.m + c.phi + 360.0, 360.0);
    objects.push_back(object);
  }
  CoorbitalSettings settings;
  settings.sky = sky::Sky::table;
  settings.jobs = 2;
  const CoorbitalResult result = search(objects, survey::all_indices(objects.size()), settings, nullptr);
  for (std::size_t n = 0; n < objects.size(); ++n) {
    const ObjectVerdict& verdict = result.verdicts[n];
    EXPECT_EQ(at_epoch(verdict), cases[n].motion) << cases[n].name;
    EXPECT_FALSE(verdict.episodes.compound()) << cases[n].name;
    EXPECT_TRUE(verdict.stable) << cases[n].name;
  }
}

// The oracle of the literature, at the default span and sky.
TEST(CoorbitalSearch, KnownEarthCompanionsOfThe2019Catalogue) {
  const std::string path = std::string(SKYTRAK_SHARED_DATA) + "/NEA-2019-07-02.txt";
  if (!std::ifstream(path)) GTEST_SKIP() << "shared data not found: " << path;
  std::ostringstream warnings;
  const survey::SurveyCatalogue all = survey::read_survey_catalogue(path, {}, warnings);
  EXPECT_EQ(candidates(all.objects, 3).size(), 77u);
  const std::pair<const char*, Motion> known[] = {
      {"k9219", Motion::quasi_satellite}, {"G4207", Motion::quasi_satellite}, {"K10T07K", Motion::trojan_l4},
      {"54509", Motion::horseshoe},       {"f9624", Motion::horseshoe},       {"99942", Motion::passing},
      {"a7943", Motion::passing},
  };
  std::vector<std::string> names;
  for (const auto& [packed, motion] : known) names.push_back(packed);
  const survey::SurveyCatalogue catalogue = survey::read_survey_catalogue(path, names, warnings);
  ASSERT_EQ(catalogue.objects.size(), std::size(known));
  CoorbitalSettings settings;
  settings.jobs = 2;
  const CoorbitalResult result = search(catalogue.objects, survey::all_indices(catalogue.objects.size()), settings, nullptr);
  for (const ObjectVerdict& verdict : result.verdicts) {
    for (const auto& [packed, motion] : known) {
      if (verdict.object->packed == packed) {
        EXPECT_EQ(at_epoch(verdict), motion) << packed;
      }
    }
  }
}

}  // namespace
