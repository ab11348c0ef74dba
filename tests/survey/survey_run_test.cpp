// The survey of a small catalogue: the approaches against an independent fine
// integration of the same model, and a table that does not depend on the threads.
#include <gtest/gtest.h>

#include <cmath>
#include <sstream>
#include <string>

#include "reference_minima.h"
#include "survey/engine/group_legs.h"
#include "survey/io/object_list.h"
#include "survey/parallel/threaded_survey.h"

namespace {

using namespace survey;

SurveyCatalogue sample_catalogue() {
  std::ostringstream warnings;
  return read_survey_catalogue(std::string(SKYTRAK_SOURCE_DIR) + "/data/nea.dat", {}, warnings);
}

// A year around the sample's epoch (2019 July 2), Venus, Earth and Mars within 0.5 AU.
SurveySettings year_settings() {
  SurveySettings settings;
  settings.from_jd = 2458566.5;
  settings.to_jd = 2458931.5;
  settings.watched[2] = settings.watched[3] = settings.watched[4] = true;
  settings.distance_au = 0.5;
  return settings;
}

std::string table_text(const SurveyResult& result) {
  std::ostringstream out;
  write_table(out, result.rows);
  return out.str();
}

TEST(SurveyRun, TableIsTheSameForAnyNumberOfThreads) {
  const SurveyCatalogue catalogue = sample_catalogue();
  const std::vector<size_t> all = all_indices(catalogue.objects.size());
  const SurveyResult one = survey_objects(catalogue.objects, all, year_settings(), 1, nullptr);
  const SurveyResult three = survey_objects(catalogue.objects, all, year_settings(), 3, nullptr);
  EXPECT_GT(one.rows.size(), 10u);
  EXPECT_EQ(one.objects, static_cast<long>(catalogue.objects.size()));
  EXPECT_EQ(table_text(one), table_text(three));
  EXPECT_EQ(one.object_steps, three.object_steps);
  // Threads beyond the groups of objects, or beyond the cap, are never started.
  const SurveyResult many = survey_objects(catalogue.objects, all, year_settings(), 100000, nullptr);
  EXPECT_EQ(table_text(one), table_text(many));
  EXPECT_LE(many.threads, kMostThreads);
  EXPECT_EQ(survey_objects(catalogue.objects, {0}, year_settings(), 50, nullptr).threads, 1);
}

// Every minimum the fine reference finds is in the table, at the same time within
// 0.006 d and the same distance within 0.5 %, and the table holds nothing more. Both
// legs (backward and forward from the epoch) are exercised by the window.
TEST(SurveyRun, ApproachesAgreeWithAFineIndependentIntegration) {
  const SurveyCatalogue catalogue = sample_catalogue();
  const SurveySettings settings = year_settings();
  const SurveyResult result =
      survey_objects(catalogue.objects, all_indices(catalogue.objects.size()), settings, 2, nullptr);
  size_t expected = 0;
  for (const SurveyObject& object : catalogue.objects) {
    for (const reference::Minimum& m : reference::distance_minima(object, settings, 1e-4)) {
      ++expected;
      const SurveyRow* match = nullptr;
      for (const SurveyRow& row : result.rows) {
        if (row.packed == object.packed && row.planet == m.planet && std::fabs(row.jd - m.jd) < 1.0) match = &row;
      }
      ASSERT_NE(match, nullptr) << object.designation << " planet " << m.planet << " JD " << m.jd;
      EXPECT_NEAR(match->jd, m.jd, 0.006) << object.designation;
      EXPECT_NEAR(match->distance, m.distance, 0.005 * m.distance) << object.designation;
    }
  }
  EXPECT_GT(expected, 10u);
  EXPECT_EQ(result.rows.size(), expected);
}

}  // namespace

namespace {

using namespace survey;

// An object's rows and steps are the same alone as in a full group of its epoch: the
// objects of a run do not pull each other, and removals only move slots.
TEST(SurveyGroup, ObjectAloneAndInAGroupGiveTheSameRows) {
  std::ostringstream warnings;
  const SurveyCatalogue catalogue =
      read_survey_catalogue(std::string(SKYTRAK_SOURCE_DIR) + "/data/nea.dat", {}, warnings);
  ASSERT_GE(catalogue.objects.size(), static_cast<size_t>(kGroupSize));
  SurveySettings settings;
  settings.from_jd = 2458566.5;
  settings.to_jd = 2458931.5;
  settings.watched.fill(true);
  settings.watched[0] = false;
  settings.distance_au = 0.5;
  EpochPlanets planets;
  carry_planets(planets, catalogue.objects[0].epoch_jd, sky::sky_model(sky::Sky::table));
  std::vector<const SurveyObject*> group;
  for (int n = 0; n < kGroupSize; ++n) group.push_back(&catalogue.objects[static_cast<size_t>(n)]);
  const std::vector<ObjectOutcome> together = survey_group(group, planets, settings);
  size_t rows = 0;
  for (size_t n = 0; n < group.size(); ++n) {
    const std::vector<ObjectOutcome> alone = survey_group({group[n]}, planets, settings);
    std::ostringstream a, b;
    write_table(a, alone[0].rows);
    write_table(b, together[n].rows);
    EXPECT_EQ(a.str(), b.str()) << group[n]->designation;
    EXPECT_EQ(alone[0].steps, together[n].steps);
    rows += together[n].rows.size();
  }
  EXPECT_GT(rows, 5u);
}

}  // namespace
