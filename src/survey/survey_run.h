// A survey of many objects on several threads: the planets carried once per epoch, the
// objects handed out in groups of one epoch, the rows kept per object so that the table does not
// depend on the number of threads.
#pragma once

#include <cstddef>
#include <functional>
#include <vector>

#include "survey/survey_catalogue.h"
#include "survey/survey_settings.h"
#include "survey/survey_table.h"

namespace survey {

struct SurveyResult {
  std::vector<SurveyRow> rows;  // sorted
  long objects = 0;             // objects integrated
  long object_steps = 0;        // integration steps summed over the objects
};

// Called from time to time with the objects done so far and their total.
using ProgressReport = std::function<void(long done, long total)>;

// Surveys objects[i] for every i of `chosen` on `jobs` threads (at least one).
SurveyResult survey_objects(const std::vector<SurveyObject>& objects, const std::vector<size_t>& chosen,
                            const SurveySettings& settings, int jobs, const ProgressReport& progress);

// Every index of a list of `count` objects.
std::vector<size_t> all_indices(size_t count);

}  // namespace survey
