// The per-step samples of the survey's objects: they change nothing of the survey, come
// every N steps of each leg, and carry each object's own state.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <mutex>
#include <sstream>

#include "survey/io/object_list.h"
#include "survey/parallel/threaded_survey.h"

namespace {

using namespace survey;

TEST(StepSampling, SamplesComeEveryNStepsAndChangeNoRow) {
  std::ostringstream warnings;
  const SurveyCatalogue catalogue = read_survey_catalogue(std::string(SKYTRAK_SOURCE_DIR) + "/data/nea.dat", {}, warnings);
  const std::vector<size_t> all = all_indices(catalogue.objects.size());
  SurveySettings settings;
  settings.from_jd = catalogue.objects.front().epoch_jd - 36.525;  // 0.1 yr back, 1 yr on
  settings.to_jd = catalogue.objects.front().epoch_jd + 365.25;
  settings.watched[3] = true;
  settings.distance_au = 0.5;
  const SurveyResult plain = survey_objects(catalogue.objects, all, settings, 2, nullptr);

  std::mutex mutex;
  std::map<const SurveyObject*, std::vector<double>> times;  // years from the epoch
  settings.sampling.every_steps = 4;
  settings.sampling.take = [&](const StepSample& sample) {
    const std::lock_guard<std::mutex> lock(mutex);
    EXPECT_NEAR(dynamics::norm(sample.planet_position), 1.0, 0.02);
    EXPECT_GT(sample.gm_planet, 0.0);
    for (const ObjectSample& object : sample.objects) {
      times[object.object].push_back((sample.jd - object.object->epoch_jd) / 365.25);
      // Its own orbit: between its perihelion and aphelion, give or take the year's perturbations.
      const dynamics::OrbitalElements& orbit = object.object->elements;
      EXPECT_NEAR(dynamics::norm(object.position), orbit.a, orbit.a * orbit.e + 0.01) << object.object->packed;
    }
  };
  const SurveyResult sampled = survey_objects(catalogue.objects, all, settings, 2, nullptr);
  std::ostringstream a, b;
  write_table(a, plain.rows);
  write_table(b, sampled.rows);
  EXPECT_EQ(a.str(), b.str());
  EXPECT_EQ(plain.object_steps, sampled.object_steps);

  ASSERT_EQ(times.size(), catalogue.objects.size());
  for (auto& [object, years] : times) {
    // The epoch once on each leg, then every 4 steps of 0.005 yr: 0.1 yr back and 1 yr on.
    std::sort(years.begin(), years.end());
    EXPECT_EQ(std::count(years.begin(), years.end(), 0.0), 2) << object->packed;
    years.erase(std::unique(years.begin(), years.end()), years.end());
    EXPECT_EQ(years.size(), 1u + 5u + 50u) << object->packed;
    for (std::size_t k = 1; k < years.size(); ++k) EXPECT_NEAR(years[k] - years[k - 1], 0.02, 1e-9) << object->packed;
  }
}

}  // namespace
