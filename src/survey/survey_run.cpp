// The threaded survey.
#include "survey/survey_run.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <map>
#include <memory>
#include <mutex>
#include <numeric>
#include <thread>

#include "survey/object_survey.h"

namespace survey {
namespace {

constexpr std::chrono::milliseconds kProgressInterval{250};

}  // namespace

std::vector<size_t> all_indices(size_t count) {
  std::vector<size_t> indices(count);
  std::iota(indices.begin(), indices.end(), size_t{0});
  return indices;
}

SurveyResult survey_objects(const std::vector<SurveyObject>& objects, const std::vector<size_t>& chosen,
                            const SurveySettings& settings, int jobs, const ProgressReport& progress) {
  // Most records of a catalogue share one epoch: the planets are carried once for each.
  std::map<double, std::unique_ptr<EpochPlanets>> planets;
  for (size_t index : chosen) {
    auto& slot = planets[objects[index].epoch_jd];
    if (!slot) {
      slot = std::make_unique<EpochPlanets>();
      carry_planets(*slot, objects[index].epoch_jd);
    }
  }

  std::vector<ObjectOutcome> outcomes(chosen.size());
  std::atomic<size_t> next{0};
  std::atomic<long> done{0};
  std::mutex mutex;
  std::condition_variable finished;
  const long total = static_cast<long>(chosen.size());
  auto worker = [&] {
    for (size_t n = next++; n < chosen.size(); n = next++) {
      const SurveyObject& object = objects[chosen[n]];
      outcomes[n] = survey_object(object, *planets.at(object.epoch_jd), settings);
      if (++done == total) {
        const std::lock_guard<std::mutex> lock(mutex);
        finished.notify_one();
      }
    }
  };
  std::vector<std::thread> threads;
  for (int t = 0; t < std::max(jobs, 1); ++t) threads.emplace_back(worker);
  // The calling thread only reports progress until the workers are through.
  {
    std::unique_lock<std::mutex> lock(mutex);
    while (!finished.wait_for(lock, kProgressInterval, [&] { return done == total; })) {
      if (progress) progress(done, total);
    }
  }
  for (std::thread& thread : threads) thread.join();
  if (progress) progress(done, total);

  SurveyResult result;
  result.objects = static_cast<long>(chosen.size());
  for (ObjectOutcome& outcome : outcomes) {
    result.object_steps += outcome.steps;
    result.rows.insert(result.rows.end(), outcome.rows.begin(), outcome.rows.end());
  }
  sort_rows(result.rows);
  return result;
}

}  // namespace survey
