// A survey of many objects on several threads: the planets carried once per epoch, the
// objects handed out in groups of one epoch, the rows kept per object so that the table does not
// depend on the number of threads.
#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

#include "survey/survey_catalogue.h"
#include "survey/survey_settings.h"
#include "survey/survey_table.h"

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

// Called from time to time with the objects done so far and their total.
using ProgressReport = std::function<void(long done, long total)>;

// Surveys objects[i] for every i of `chosen` on `jobs` threads, at most one per group
// of objects and kMostThreads. When a thread cannot be created, the survey goes on with
// those started (on the calling thread when none was) and says why in thread_failure.
SurveyResult survey_objects(const std::vector<SurveyObject>& objects, const std::vector<size_t>& chosen,
                            const SurveySettings& settings, int jobs, const ProgressReport& progress);

// Every index of a list of `count` objects.
std::vector<size_t> all_indices(size_t count);

}  // namespace survey
