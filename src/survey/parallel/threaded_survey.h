// A survey of many objects on several threads: the planets carried once per epoch, the
// objects read a chunk at a time and handed out in work units of one epoch, the rows
// kept and sorted at the end so that the table does not depend on the number of threads
// or on the chunks.
#pragma once

#include <cstddef>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "survey/batch/batch_legs.h"
#include "survey/io/survey_object.h"
#include "survey/io/survey_settings.h"
#include "survey/io/survey_table.h"

namespace survey {

struct SurveyResult {
  std::vector<SurveyRow> rows;  // sorted
  long objects = 0;             // objects integrated
  long object_steps = 0;        // integration steps summed over the objects
  int threads = 0;              // worker threads that ran (0: the calling thread did the work)
  std::string thread_failure;   // why fewer threads than asked for could be started, or empty
};

// The most threads a survey starts, whatever --jobs says: far more than any machine
// here has cores, and few enough that their stacks never matter.
inline constexpr int kMostThreads = 256;

// The objects of one epoch a thread integrates in one call: a batch of the vector code.
inline constexpr std::size_t kObjectsPerWorkUnit = kBatchSize;

// The objects read from the catalogue at a time, then cut into work units: with the
// units the threads hold, the most objects in memory at once.
inline constexpr std::size_t kObjectsPerChunk = 1024;

// Called from time to time with the objects done so far and their total.
using ProgressReport = std::function<void(long done, long total)>;

// Hands out the next objects of a survey: appends at most `most` to `objects`, none at
// the end. Called by one thread at a time.
using ObjectSource = std::function<void(std::vector<SurveyObject>& objects, std::size_t most)>;

// Surveys the objects `source` hands out, chunk by chunk, on `jobs` threads, at most one
// per work unit the counts allow and kMostThreads. `objects_of_epoch` counts them by epoch
// (it sizes the planets' tables and the progress; an epoch it misses gets its planets
// when first met). When a thread cannot be created, the survey goes on with those
// started (on the calling thread when none was) and says why in thread_failure.
SurveyResult survey_stream(const ObjectSource& source, const std::map<double, std::size_t>& objects_of_epoch,
                           const SurveySettings& settings, int jobs, const ProgressReport& progress,
                           std::size_t objects_per_chunk = kObjectsPerChunk);

// Surveys objects[i] for every i of `chosen`, in that order, as survey_stream does; the
// samples of settings.sampling point into `objects`.
SurveyResult survey_objects(const std::vector<SurveyObject>& objects, const std::vector<size_t>& chosen,
                            const SurveySettings& settings, int jobs, const ProgressReport& progress);

// Every index of a list of `count` objects.
std::vector<size_t> all_indices(size_t count);

}  // namespace survey
