// The survey window in integration steps.
#include "survey/engine/window_steps.h"

#include <algorithm>
#include <cstdio>

#include "dynamics/constants.h"
#include "errors/error.h"
#include "survey/engine/epoch_planets.h"

namespace survey {

double steps_needed(const SurveySettings& settings, double epoch_jd) {
  const double days = std::max(settings.to_jd, epoch_jd) - std::min(settings.from_jd, epoch_jd);
  return days / (kSurveyClass.step * dynamics::kDaysPerYear);
}

void check_window(const SurveySettings& settings, const std::vector<SurveyObject>& objects) {
  char text[200];
  if (!(steps_needed(settings, settings.from_jd) <= kMostStepsPerObject)) {
    std::snprintf(text, sizeof text, "the window from JD %.10g to JD %.10g needs more than %.0f integration steps",
                  settings.from_jd, settings.to_jd, kMostStepsPerObject);
    throw errors::UsageError(text);
  }
  for (const SurveyObject& object : objects) {
    if (steps_needed(settings, object.epoch_jd) <= kMostStepsPerObject) continue;
    std::snprintf(text, sizeof text, "%.80s (epoch JD %.1f) needs more than %.0f integration steps to reach the window",
                  object.designation.c_str(), object.epoch_jd, kMostStepsPerObject);
    throw errors::UsageError(text);
  }
}

}  // namespace survey
