// The batches against the scalar path of the groups, their oracle: the same rows and
// steps, on real catalogue objects. Skipped without the shared data.
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <map>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "survey/io/object_list.h"
#include "survey/batch/kernel_loader.h"
#include "survey/batch/batch_legs.h"
#include "survey/engine/planet_table.h"
#include "test_support/same_survey_rows.h"

namespace {

using namespace survey;

const std::string kCatalogue = std::string(SKYTRAK_SHARED_DATA) + "/NEA-2019-07-02.txt";

// The planets and tables of the objects' epoch, and the outcomes of the batch path
// (every object in one call) or of the groups' scalar path.
struct Survey {
  std::map<double, std::unique_ptr<EpochPlanets>> planets;
  LegTables tables;

  Survey(double epoch, const SurveySettings& settings) {
    planets[epoch] = std::make_unique<EpochPlanets>();
    set_up_epoch(*planets[epoch], epoch, settings, false);
    tables = step_planets_of_epochs(planets, {{epoch, kGroupSize + 1}}, settings).at(epoch);
  }

  std::vector<ObjectOutcome> run(const std::vector<SurveyObject>& objects, const SurveySettings& settings,
                                 bool batched) const {
    const EpochPlanets& epoch = *planets.begin()->second;
    std::vector<const SurveyObject*> all;
    for (const SurveyObject& object : objects) all.push_back(&object);
    if (batched) {
      EXPECT_NE(batch_kernels().kernels, nullptr) << batch_kernels().missing;  // else the batches fall back to the groups
      return survey_batch(all, epoch, settings, &tables);
    }
    std::vector<ObjectOutcome> outcomes;
    for (size_t first = 0; first < all.size(); first += kGroupSize) {
      const std::vector<const SurveyObject*> group(all.begin() + static_cast<long>(first),
                                                   all.begin() + static_cast<long>(std::min(all.size(), first + kGroupSize)));
      for (ObjectOutcome& outcome : survey_group(group, epoch, settings, &tables)) outcomes.push_back(std::move(outcome));
    }
    return outcomes;
  }
};

std::vector<SurveyObject> read_catalogue() {
  std::ostringstream warnings;
  return read_survey_catalogue(kCatalogue, {}, warnings).objects;
}

// Every 61st record of the 2019 catalogue and the objects that passed the Earth within
// 0.025 AU in 2020 H1 (in the model within 0.03 AU, inside its encounter zone), 2019-2020 around the epoch,
// every planet and the Moon within 0.2 AU, the Earth and the Moon apart.
TEST(BatchSurvey, GivesTheScalarRowsForASampleOfTheCatalogue) {
  if (!std::ifstream(kCatalogue)) GTEST_SKIP() << "shared data not found: " << kCatalogue;
  const std::vector<std::string> close = {"K19A03E", "K13B74A", "K18C02W", "K16H06P", "K17M07F", "K13X22A", "K19H00M"};
  std::vector<SurveyObject> sample;
  const std::vector<SurveyObject> catalogue = read_catalogue();
  for (size_t n = 0; n < catalogue.size(); ++n) {
    const bool listed = std::find(close.begin(), close.end(), catalogue[n].packed) != close.end();
    if (n % 61 == 0 || listed) sample.push_back(catalogue[n]);
  }
  SurveySettings settings{2458484.5, 2459215.5, {}, 0.2};
  settings.watched.fill(true);
  settings.sky = sky::Sky::ephemeris;
  const Survey survey(sample.front().epoch_jd, settings);
  const std::vector<ObjectOutcome> scalar = survey.run(sample, settings, false);
  size_t close_objects_seen = 0;  // with a row of the Earth inside its zone
  for (size_t n = 0; n < sample.size(); ++n) {
    const bool listed = std::find(close.begin(), close.end(), sample[n].packed) != close.end();
    close_objects_seen += listed && std::any_of(scalar[n].rows.begin(), scalar[n].rows.end(), [](const SurveyRow& row) {
                            return row.planet == 3 && row.distance < 0.03;
                          });
  }
  EXPECT_EQ(close_objects_seen, close.size());
  expect_same_rows(scalar, survey.run(sample, settings, true));
}

// Apophis passes the Earth at 6 Earth radii in 2029: it leaves the batch for the
// encounter and comes back, among quiet objects and one that falls into the Sun at its
// first perihelion. The quiet lanes end exactly as they do without those two.
TEST(BatchSurvey, ObjectEntersAndLeavesAnEncounterInABatch) {
  if (!std::ifstream(kCatalogue)) GTEST_SKIP() << "shared data not found: " << kCatalogue;
  const std::vector<SurveyObject> catalogue = read_catalogue();
  const auto apophis = std::find_if(catalogue.begin(), catalogue.end(),
                                    [](const SurveyObject& object) { return object.packed == "99942"; });
  ASSERT_NE(apophis, catalogue.end());
  const std::vector<SurveyObject> quiet(catalogue.begin(), catalogue.begin() + 40);
  SurveyObject sungrazer = quiet.front();
  sungrazer.elements = {1.0, 0.9995, 10.0, 20.0, 30.0, 350.0};
  std::vector<SurveyObject> batch = quiet;
  batch.insert(batch.begin() + 17, *apophis);
  batch.insert(batch.begin() + 30, sungrazer);
  const SurveySettings settings{2462235.5, 2462275.5, {false, false, false, true}, 0.1};
  const Survey survey(apophis->epoch_jd, settings);
  std::vector<ObjectOutcome> batched = survey.run(batch, settings, true);
  expect_same_rows(survey.run(batch, settings, false), batched);
  ASSERT_EQ(batched[17].rows.size(), 1u);
  EXPECT_LT(batched[17].rows[0].distance, 40000.0 * dynamics::kKmToAu);
  EXPECT_EQ(batched[17].steps, batched[0].steps);
  EXPECT_LT(batched[30].steps, 10);  // lost within three weeks (before the window: no row)
  batched.erase(batched.begin() + 30);
  batched.erase(batched.begin() + 17);
  const std::vector<ObjectOutcome> alone = survey.run(quiet, settings, true);
  for (size_t n = 0; n < quiet.size(); ++n) {
    EXPECT_EQ(batched[n].steps, alone[n].steps);
    ASSERT_EQ(batched[n].rows.size(), alone[n].rows.size());
    for (size_t k = 0; k < alone[n].rows.size(); ++k) {
      EXPECT_EQ(batched[n].rows[k].jd, alone[n].rows[k].jd);
      EXPECT_EQ(batched[n].rows[k].distance, alone[n].rows[k].distance);
    }
  }
}

}  // namespace
