// Deep flybys of the Earth on the real catalogue, in both skies: the survey's row is the
// single run's encounter record (same set-up, step and pericentre refinement), not a
// cubic through the ends of the step. Skipped when the shared data are absent.
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>
#include <tuple>

#include "dynamics/step.h"
#include "survey/io/object_list.h"
#include "survey/engine/group_legs.h"
#include "survey/parallel/threaded_survey.h"

namespace {

using namespace survey;

// The single run's first Earth record in the window, its distance made AU.
dynamics::CloseApproach single_run_record(const SurveyObject& object, const SurveySettings& window) {
  EpochPlanets planets;
  carry_planets(planets, object.epoch_jd, sky::sky_model(window.sky));
  add_object(planets.blocks, planets.bodies, object, sky::sky_model(window.sky));
  auto encounters = std::make_unique<dynamics::Encounters>();
  dynamics::start_run(*encounters);
  const double h = window.to_jd > object.epoch_jd ? kSurveyClass.step : -kSurveyClass.step;
  for (double T = 0.0, jd = object.epoch_jd; h > 0.0 ? jd <= window.to_jd : jd >= window.from_jd;
       jd = object.epoch_jd + T * dynamics::kDaysPerYear) {
    dynamics::take_step(planets.blocks, planets.bodies, *encounters, T, h);
    for (dynamics::CloseApproach record : encounters->approaches) {
      if (record.planet != 3 || record.jd < window.from_jd || record.jd > window.to_jd) continue;
      record.dmin_rplan *= planets.bodies.radius[dynamics::planet_slot(kSurveyClass, 3)];
      return record;
    }
  }
  return {};
}

TEST(SurveyDeepFlyby, RowIsTheSingleRunsEncounterRecord) {
  const std::string path = std::string(SKYTRAK_SHARED_DATA) + "/NEA-2019-07-02.txt";
  if (!std::ifstream(path)) GTEST_SKIP() << "shared data not found: " << path;
  // Apophis 2029, Duende 2013, 2001 WN5 2028, 2008 TC3 backwards (3.3 Earth radii at this step).
  const std::tuple<const char*, double, double> cases[] = {
      {"99942", 2462235.5, 2462245.5}, {"a7943", 2456330.5, 2456350.5},
      {"F3814", 2461940.5, 2461955.5}, {"K08T03C", 2454736.5, 2454756.5}};
  for (const sky::Sky sky : {sky::Sky::table, sky::Sky::ephemeris}) {
    for (const auto& [packed, from_jd, to_jd] : cases) {
      std::ostringstream warnings;
      const SurveyCatalogue catalogue = read_survey_catalogue(path, {packed}, warnings);
      ASSERT_EQ(catalogue.objects.size(), 1u) << packed;
      SurveySettings settings;
      settings.from_jd = from_jd;
      settings.to_jd = to_jd;
      settings.watched[3] = true;
      settings.sky = sky;
      const SurveyResult result = survey_objects(catalogue.objects, {0}, settings, 1, nullptr);
      const dynamics::CloseApproach record = single_run_record(catalogue.objects[0], settings);
      ASSERT_EQ(result.rows.size(), 1u) << packed;
      const SurveyRow& row = result.rows[0];
      std::printf("%s %s: %s, %.0f km\n", packed, std::string(sky::sky_name(sky)).c_str(), csv_line(row).c_str(),
                  row.distance / dynamics::kKmToAu);
      EXPECT_TRUE(row.event == EventKind::approach && !record.collision) << packed;
      EXPECT_NEAR(row.jd, record.jd, 0.1 / 1440.0) << packed;
      EXPECT_NEAR(row.distance, record.dmin_rplan, 1e-3 * record.dmin_rplan) << packed;
      EXPECT_NEAR(row.speed_kms, record.vp_kms, 1e-3 * record.vp_kms) << packed;
    }
  }
}

}  // namespace
