// Deep flybys of the Earth on the real catalogue, in both skies: the survey's row is the
// single run's encounter record (same set-up, step and pericentre refinement), not a
// cubic through the ends of the step. Skipped when the shared data are absent.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <fstream>
#include <memory>
#include <optional>
#include <sstream>
#include <string>

#include "dynamics/encounter_lists.h"
#include "dynamics/planet_setup.h"
#include "dynamics/step.h"
#include "sky/object_elements.h"
#include "survey/group_survey.h"
#include "survey/survey_run.h"

namespace {

using namespace survey;

const std::string kData = SKYTRAK_SHARED_DATA;
constexpr int kEarth = 3;

// The Earth record of the object's single run, stepping from its epoch towards the
// window, first one inside it.
// The record's distance is made AU with the run's Earth radius.
std::optional<dynamics::CloseApproach> single_run_record(const SurveyObject& object, const SurveySettings& window) {
  EpochPlanets planets;
  carry_planets(planets, object.epoch_jd, window.sky);
  dynamics::SharedBlocks blocks = planets.blocks;
  dynamics::Bodies bodies = planets.bodies;
  dynamics::add_small_body(blocks, bodies, sky::elements_in_sky(object.elements, object.mean_motion, window.sky));
  auto encounters = std::make_unique<dynamics::Encounters>();
  dynamics::start_run(*encounters);
  const double h = window.to_jd > object.epoch_jd ? kSurveyClass.step : -kSurveyClass.step;
  double T = 0.0;
  while (blocks.counts.total > blocks.counts.planets) {
    dynamics::take_step(blocks, bodies, *encounters, T, h);
    for (const dynamics::CloseApproach& record : encounters->approaches) {
      if (record.planet != kEarth || record.jd < window.from_jd || record.jd > window.to_jd) continue;
      dynamics::CloseApproach found = record;
      found.dmin_rplan *= bodies.radius[dynamics::planet_slot(kSurveyClass, kEarth)];
      return found;
    }
    const double jd = blocks.epoch_jd + T * dynamics::kDaysPerYear;
    if (h > 0.0 ? jd > window.to_jd : jd < window.from_jd) break;
  }
  return std::nullopt;
}

TEST(SurveyDeepFlyby, RowIsTheSingleRunsEncounterRecord) {
  struct Case {
    const char* packed;
    double from_jd, to_jd;
    bool collision;
  };
  const Case cases[] = {
      {"99942", 2462235.5, 2462245.5, false},    // Apophis 2029, 6 Earth radii
      {"a7943", 2456330.5, 2456350.5, false},    // Duende 2013, 6.0 Earth radii in the model
      {"F3814", 2461940.5, 2461955.5, false},    // 2001 WN5 2028, 39 Earth radii
      {"K08T03C", 2454736.5, 2454756.5, false},  // 2008 TC3 backwards, 3.3 Earth radii at this step
  };
  const std::string path = kData + "/NEA-2019-07-02.txt";
  if (!std::ifstream(path)) GTEST_SKIP() << "shared data not found in " << kData;
  for (const sky::Sky sky : {sky::Sky::table, sky::Sky::ephemeris})
  for (const Case& c : cases) {
    std::ostringstream warnings;
    const SurveyCatalogue catalogue = read_survey_catalogue(path, {c.packed}, warnings);
    ASSERT_EQ(catalogue.objects.size(), 1u) << c.packed << ' ' << sky::sky_name(sky);
    SurveySettings settings;
    settings.from_jd = c.from_jd;
    settings.to_jd = c.to_jd;
    settings.watched[kEarth] = true;
    settings.distance_au = 0.05;
    settings.sky = sky;
    const SurveyResult result = survey_objects(catalogue.objects, {0}, settings, 1, nullptr);
    const std::optional<dynamics::CloseApproach> record = single_run_record(catalogue.objects[0], settings);
    ASSERT_TRUE(record.has_value()) << c.packed << ' ' << sky::sky_name(sky);
    ASSERT_EQ(result.rows.size(), 1u) << c.packed << ' ' << sky::sky_name(sky);
    const SurveyRow& row = result.rows[0];
    std::printf("%s %s: %s JD %.5f %.0f km\n", c.packed, std::string(sky::sky_name(sky)).c_str(), csv_line(row).c_str(),
                row.jd, row.distance / dynamics::kKmToAu);
    EXPECT_EQ(row.event, c.collision ? EventKind::collision : EventKind::approach) << c.packed << ' ' << sky::sky_name(sky);
    EXPECT_EQ(record->collision, c.collision) << c.packed << ' ' << sky::sky_name(sky);
    const double record_distance = record->dmin_rplan;
    EXPECT_NEAR(row.jd, record->jd, 0.1 / 1440.0) << c.packed << ' ' << sky::sky_name(sky);
    EXPECT_NEAR(row.distance, record_distance, 1e-3 * record_distance) << c.packed << ' ' << sky::sky_name(sky);
    EXPECT_NEAR(row.speed_kms, record->vp_kms, 1e-3 * record->vp_kms) << c.packed << ' ' << sky::sky_name(sky);
  }
}

}  // namespace
