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
#include <system_error>
#include <thread>

#include "survey/batch_survey.h"
#include "survey/group_survey.h"
#include "survey/planet_table.h"

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
  // Most records of a catalogue share one epoch: the planets are carried once for each,
  // and stepped once over each leg when more than one group shares them, most objects
  // first, while the tables' memory lasts.
  std::map<double, std::unique_ptr<EpochPlanets>> planets;
  std::map<double, size_t> objects_of_epoch;
  for (size_t index : chosen) {
    auto& slot = planets[objects[index].epoch_jd];
    ++objects_of_epoch[objects[index].epoch_jd];
    if (!slot) {
      slot = std::make_unique<EpochPlanets>();
      carry_planets(*slot, objects[index].epoch_jd, settings.sky);
      track_the_moon(*slot, settings);
    }
  }
  const std::map<double, LegTables> tables = step_planets_of_epochs(planets, objects_of_epoch, settings);

  // Groups of objects of one epoch, in the order chosen: the same groups for any number
  // of threads (an object's path does not depend on its group anyway).
  std::vector<std::vector<size_t>> groups;  // positions in `chosen`
  std::map<double, size_t> open_group;      // epoch -> its group still filling
  for (size_t n = 0; n < chosen.size(); ++n) {
    const double epoch = objects[chosen[n]].epoch_jd;
    auto found = open_group.find(epoch);
    if (found == open_group.end() || groups[found->second].size() == static_cast<size_t>(kGroupSize)) {
      groups.emplace_back();
      found = open_group.insert_or_assign(epoch, groups.size() - 1).first;
    }
    groups[found->second].push_back(n);
  }

  std::vector<ObjectOutcome> outcomes(chosen.size());
  std::atomic<size_t> next{0};
  std::atomic<long> done{0};
  std::mutex mutex;
  std::condition_variable finished;
  const long total = static_cast<long>(chosen.size());
  auto worker = [&] {
    for (size_t g = next++; g < groups.size(); g = next++) {
      std::vector<const SurveyObject*> group;
      for (size_t n : groups[g]) group.push_back(&objects[chosen[n]]);
      const double epoch = group.front()->epoch_jd;
      std::vector<ObjectOutcome> results = survey_batch(group, *planets.at(epoch), settings, &tables.at(epoch));
      for (size_t m = 0; m < results.size(); ++m) outcomes[groups[g][m]] = std::move(results[m]);
      if ((done += static_cast<long>(results.size())) == total) {
        const std::lock_guard<std::mutex> lock(mutex);
        finished.notify_one();
      }
    }
  };
  SurveyResult result;
  const std::size_t wanted = std::min({static_cast<std::size_t>(std::max(jobs, 1)), groups.size(),
                                       static_cast<std::size_t>(kMostThreads)});
  std::vector<std::thread> threads;
  try {
    while (threads.size() < wanted) threads.emplace_back(worker);
  } catch (const std::system_error& error) {
    result.thread_failure = "only " + std::to_string(threads.size()) + " of " + std::to_string(wanted) +
                            " threads could be started (" + error.what() + "); going on with " +
                            (threads.empty() ? std::string("the main thread") : std::to_string(threads.size()));
  }
  result.threads = static_cast<int>(threads.size());
  if (threads.empty()) {
    worker();
  } else {
    // The calling thread only reports progress until the workers are through.
    std::unique_lock<std::mutex> lock(mutex);
    while (!finished.wait_for(lock, kProgressInterval, [&] { return done == total; })) {
      if (progress) progress(done, total);
    }
  }
  for (std::thread& thread : threads) thread.join();
  if (progress) progress(done, total);

  result.objects = static_cast<long>(chosen.size());
  for (ObjectOutcome& outcome : outcomes) {
    result.object_steps += outcome.steps;
    result.rows.insert(result.rows.end(), outcome.rows.begin(), outcome.rows.end());
  }
  sort_rows(result.rows);
  return result;
}

}  // namespace survey
