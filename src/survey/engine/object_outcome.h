// What the survey's engine yields for one object: its rows and the steps it took.
#pragma once

#include <vector>

#include "survey/io/survey_table.h"

namespace survey {

struct ObjectOutcome {
  std::vector<SurveyRow> rows;  // in the order found
  long steps = 0;               // integration steps the object took
};

}  // namespace survey
