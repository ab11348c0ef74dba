// The threaded survey.
#include "survey/parallel/threaded_survey.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <deque>
#include <exception>
#include <memory>
#include <mutex>
#include <numeric>
#include <system_error>
#include <thread>
#include <utility>

#include "survey/engine/planet_table.h"

namespace survey {
namespace {

constexpr std::chrono::milliseconds kProgressInterval{250};

// Objects taken from a source at once: those read for the chunk and held by it, or the
// caller's own, by address.
struct ObjectChunk {
  std::vector<SurveyObject> held;
  std::vector<const SurveyObject*> objects;
};

// Fills an empty chunk with at most `most` objects; none at the end.
using ChunkSource = std::function<void(ObjectChunk& chunk, std::size_t most)>;

// Objects of one epoch integrated in one call, with the planets they step against; the
// chunk holding them lives as long as one of its units.
struct WorkUnit {
  std::shared_ptr<const ObjectChunk> chunk;
  std::vector<const SurveyObject*> objects;
  const EpochPlanets* planets = nullptr;
  const LegTables* tables = nullptr;
};

// Cuts the source's chunks into work units of one epoch, in the order the objects come,
// and hands them to the threads one at a time. The planets of an epoch are set up once
// and kept: those the counts name (with the tables of the epochs that groups share)
// before the threads start, any other when first met.
class WorkQueue {
 public:
  // `threads`: the survey's, of which the set-up may borrow a second.
  WorkQueue(ChunkSource source, const std::map<double, std::size_t>& objects_of_epoch,
            const SurveySettings& settings, std::size_t objects_per_chunk, int threads)
      : source_(std::move(source)), settings_(settings), objects_per_chunk_(objects_per_chunk), threads_(threads) {
    for (const auto& [epoch, count] : objects_of_epoch) planets_of(epoch);
    tables_ = step_planets_of_epochs(planets_, objects_of_epoch, settings);
  }

  // The next unit; false once the source is through or has failed.
  bool next(WorkUnit& unit) {
    const std::lock_guard<std::mutex> lock(mutex_);
    if (units_.empty() && !through_) refill();
    if (units_.empty()) return false;
    unit = std::move(units_.front());
    units_.pop_front();
    return true;
  }

  // Throws again what the source threw, if it did.
  void rethrow_failure() const {
    if (failure_) std::rethrow_exception(failure_);
  }

 private:
  const EpochPlanets& planets_of(double epoch) {
    std::unique_ptr<EpochPlanets>& slot = planets_[epoch];
    if (!slot) {
      slot = std::make_unique<EpochPlanets>();
      set_up_epoch(*slot, epoch, settings_, threads_ > 1);
    }
    return *slot;
  }

  void refill() {
    auto chunk = std::make_shared<ObjectChunk>();
    try {
      source_(*chunk, objects_per_chunk_);
    } catch (...) {
      failure_ = std::current_exception();
    }
    if (chunk->objects.empty() || failure_) {
      through_ = true;
      return;
    }
    std::map<double, std::size_t> open_unit;  // epoch -> its unit still filling, in units_
    for (const SurveyObject* object : chunk->objects) {
      auto found = open_unit.find(object->epoch_jd);
      if (found == open_unit.end() || units_[found->second].objects.size() == kObjectsPerWorkUnit) {
        units_.push_back({chunk, {}, &planets_of(object->epoch_jd), &tables_[object->epoch_jd]});
        found = open_unit.insert_or_assign(object->epoch_jd, units_.size() - 1).first;
      }
      units_[found->second].objects.push_back(object);
    }
  }

  ChunkSource source_;
  const SurveySettings& settings_;
  const std::size_t objects_per_chunk_;
  const int threads_;
  std::map<double, std::unique_ptr<EpochPlanets>> planets_;
  std::map<double, LegTables> tables_;  // an epoch without tables has empty ones
  std::mutex mutex_;
  std::deque<WorkUnit> units_;
  bool through_ = false;
  std::exception_ptr failure_;
};

SurveyResult survey_chunks(ChunkSource source, const std::map<double, std::size_t>& objects_of_epoch,
                           const SurveySettings& settings, int jobs, const ProgressReport& progress,
                           std::size_t objects_per_chunk) {
  long total = 0;
  std::size_t units = 0;  // at least, for these counts
  for (const auto& [epoch, count] : objects_of_epoch) {
    total += static_cast<long>(count);
    units += (count + kObjectsPerWorkUnit - 1) / kObjectsPerWorkUnit;
  }
  WorkQueue queue(std::move(source), objects_of_epoch, settings, objects_per_chunk, jobs);

  SurveyResult result;
  std::atomic<long> done{0};
  std::mutex mutex;  // guards result and workers_through
  std::condition_variable finished;
  std::size_t workers_through = 0;
  auto worker = [&] {
    std::vector<SurveyRow> rows;
    long steps = 0;
    for (WorkUnit unit; queue.next(unit);) {
      // The one call that integrates objects: a unit of one epoch.
      for (const ObjectOutcome& outcome : survey_batch(unit.objects, *unit.planets, settings, unit.tables)) {
        steps += outcome.steps;
        rows.insert(rows.end(), outcome.rows.begin(), outcome.rows.end());
      }
      done += static_cast<long>(unit.objects.size());
    }
    const std::lock_guard<std::mutex> lock(mutex);
    result.rows.insert(result.rows.end(), rows.begin(), rows.end());
    result.object_steps += steps;
    ++workers_through;
    finished.notify_one();
  };
  const std::size_t wanted =
      std::min({static_cast<std::size_t>(std::max(jobs, 1)), units, static_cast<std::size_t>(kMostThreads)});
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
    while (!finished.wait_for(lock, kProgressInterval, [&] { return workers_through == threads.size(); })) {
      if (progress) progress(done, total);
    }
  }
  for (std::thread& thread : threads) thread.join();
  queue.rethrow_failure();
  if (progress) progress(done, total);
  result.objects = done;
  sort_rows(result.rows);
  return result;
}

}  // namespace

std::vector<size_t> all_indices(size_t count) {
  std::vector<size_t> indices(count);
  std::iota(indices.begin(), indices.end(), size_t{0});
  return indices;
}

SurveyResult survey_stream(const ObjectSource& source, const std::map<double, std::size_t>& objects_of_epoch,
                           const SurveySettings& settings, int jobs, const ProgressReport& progress,
                           std::size_t objects_per_chunk) {
  auto read_chunk = [&source](ObjectChunk& chunk, std::size_t most) {
    source(chunk.held, most);
    for (const SurveyObject& object : chunk.held) chunk.objects.push_back(&object);
  };
  return survey_chunks(read_chunk, objects_of_epoch, settings, jobs, progress, objects_per_chunk);
}

SurveyResult survey_objects(const std::vector<SurveyObject>& objects, const std::vector<size_t>& chosen,
                            const SurveySettings& settings, int jobs, const ProgressReport& progress) {
  std::map<double, std::size_t> objects_of_epoch;
  for (size_t index : chosen) ++objects_of_epoch[objects[index].epoch_jd];
  std::size_t next = 0;  // into chosen
  auto point_at_chunk = [&](ObjectChunk& chunk, std::size_t most) {
    for (; next < chosen.size() && chunk.objects.size() < most; ++next) chunk.objects.push_back(&objects[chosen[next]]);
  };
  return survey_chunks(point_at_chunk, objects_of_epoch, settings, jobs, progress, kObjectsPerChunk);
}

}  // namespace survey
