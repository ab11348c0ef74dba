// How long a survey window is in integration steps, and the most one object may take.
#pragma once

#include <vector>

#include "survey/io/survey_object.h"
#include "survey/io/survey_settings.h"

namespace survey {

// As the single run: beyond this many steps a run lasts for hours and its time, a sum
// of steps, drifts by days.
inline constexpr double kMostStepsPerObject = 1e8;

// Steps an object of epoch `epoch_jd` takes to cover the window: from its epoch back to
// the window's start and forward to its end (each only when the window reaches there).
double steps_needed(const SurveySettings& settings, double epoch_jd);

// Throws errors::UsageError naming the first object whose epoch lies so far from the window,
// or the window itself, that it needs more than kMostStepsPerObject steps.
void check_window(const SurveySettings& settings, const std::vector<SurveyObject>& objects);

}  // namespace survey
