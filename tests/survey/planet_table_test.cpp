// The planets stepped once per epoch and leg against the scalar path that steps them in
// every group: the same rows, on real catalogue objects. Skipped without the shared data.
#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "survey/io/object_list.h"
#include "survey/engine/group_legs.h"
#include "survey/engine/planet_table.h"
#include "test_support/same_survey_rows.h"

namespace {

using namespace survey;

const std::string kCatalogue = std::string(SKYTRAK_SHARED_DATA) + "/NEA-2019-07-02.txt";

// The tables of one epoch that `objects` groups share.
std::map<double, LegTables> tables_of(double epoch, size_t objects, const SurveySettings& settings,
                                      std::map<double, std::unique_ptr<EpochPlanets>>& planets) {
  planets[epoch] = std::make_unique<EpochPlanets>();
  set_up_epoch(*planets[epoch], epoch, settings, false);
  return step_planets_of_epochs(planets, {{epoch, objects}}, settings);
}

// Outcomes of groups of kGroupSize objects, the planets from their tables or stepped in
// every group.
std::vector<ObjectOutcome> survey_in_groups(const std::vector<SurveyObject>& objects, const SurveySettings& settings,
                                            bool with_tables) {
  std::map<double, std::unique_ptr<EpochPlanets>> epochs;
  const double epoch = objects.front().epoch_jd;
  const LegTables tables = tables_of(epoch, kGroupSize + 1, settings, epochs).at(epoch);
  const EpochPlanets& planets = *epochs.at(epoch);
  std::vector<ObjectOutcome> outcomes;
  for (size_t first = 0; first < objects.size(); first += kGroupSize) {
    std::vector<const SurveyObject*> group;
    for (size_t n = first; n < objects.size() && n < first + kGroupSize; ++n) group.push_back(&objects[n]);
    for (ObjectOutcome& outcome : survey_group(group, planets, settings, with_tables ? &tables : nullptr)) {
      outcomes.push_back(std::move(outcome));
    }
  }
  return outcomes;
}

std::vector<SurveyObject> read(const std::vector<std::string>& wanted) {
  std::ostringstream warnings;
  return read_survey_catalogue(kCatalogue, wanted, warnings).objects;
}

// An epoch gets a table when more than one group shares it and the leg fits the budget:
// 2020 from the epoch 2019 July 2 is 549 days, 301 steps of 1.83 d.
TEST(PlanetTable, StepsThePlanetsOfEpochsThatGroupsShare) {
  const double epoch = 2458666.5;
  const struct {
    size_t objects;
    double to_jd;
    size_t steps;
  } cases[] = {{kGroupSize + 1, 2459215.5, 301}, {kGroupSize, 2459215.5, 0}, {kGroupSize + 1, epoch + 400 * 365.25, 0}};
  for (const auto& c : cases) {
    SurveySettings settings{epoch, c.to_jd};
    std::map<double, std::unique_ptr<EpochPlanets>> planets;
    const LegTables tables = tables_of(epoch, c.objects, settings, planets).at(epoch);
    EXPECT_EQ(tables.forward.steps(), c.steps) << c.objects << " " << c.to_jd;
    EXPECT_EQ(tables.backward.steps(), 0u);
  }
}

// Every 97th record of the 2019 catalogue (207 objects), a year across the epoch (both
// legs), Mercury to Jupiter and the Moon within 0.3 AU, in both skies. Then Apophis,
// which passes the Earth at 6 Earth radii in 2029 (integrated with the Earth for a few
// steps, then stepped against the table again to the window's end), in a group of eleven.
TEST(PlanetTable, GivesTheScalarRows) {
  if (!std::ifstream(kCatalogue)) GTEST_SKIP() << "shared data not found: " << kCatalogue;
  const std::vector<SurveyObject> catalogue = read({});
  std::vector<SurveyObject> sample;
  for (size_t n = 0; n < catalogue.size(); n += 97) sample.push_back(catalogue[n]);
  SurveySettings settings{2458484.5, 2458849.5, {false, true, true, true, true, true}, 0.3};
  settings.watched[kMoonTarget] = true;
  for (const sky::Sky sky : {sky::Sky::table, sky::Sky::ephemeris}) {
    settings.sky = sky;
    const std::vector<ObjectOutcome> scalar = survey_in_groups(sample, settings, false);
    size_t rows = 0;
    for (const ObjectOutcome& outcome : scalar) rows += outcome.rows.size();
    EXPECT_GT(rows, 20u);
    expect_same_rows(scalar, survey_in_groups(sample, settings, true));
  }
  std::vector<SurveyObject> group = read({"99942"});
  group.insert(group.end(), catalogue.begin(), catalogue.begin() + kGroupSize - 1);
  const SurveySettings apophis{2462235.5, 2462275.5, {false, false, false, true}, 0.1};
  const std::vector<ObjectOutcome> tabled = survey_in_groups(group, apophis, true);
  ASSERT_EQ(tabled.front().rows.size(), 1u);
  EXPECT_LT(tabled.front().rows[0].distance, 40000.0 * dynamics::kKmToAu);  // the encounter's pericentre
  EXPECT_EQ(tabled.front().steps, tabled.back().steps);                     // and on to the window's end
  expect_same_rows(survey_in_groups(group, apophis, false), tabled);
}

}  // namespace
