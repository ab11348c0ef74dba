// One object of a survey: set up at its own epoch like a single run, integrated by the
// single run's step to both ends of the window, its approaches and its loss collected.
#pragma once

#include <vector>

#include "dynamics/bodies.h"
#include "dynamics/planet_setup.h"
#include "survey/survey_catalogue.h"
#include "survey/survey_settings.h"
#include "survey/survey_table.h"

namespace survey {

// Every object is integrated with all nine planets and the shortest step of the single
// run (the class of an object close to the Sun): one planet set serves the whole catalogue.
inline constexpr dynamics::IntegrationClass kSurveyClass{};

// The planets of the survey's class carried from their table epoch to `epoch_jd`, as the
// single run carries them; shared by every object of that epoch.
struct EpochPlanets {
  double epoch_jd = 0.0;
  dynamics::Bodies bodies;  // planet slots 1..9 hold the carried states
};

void carry_planets(EpochPlanets& planets, double epoch_jd);

struct ObjectOutcome {
  std::vector<SurveyRow> rows;  // in the order found
  long steps = 0;               // integration steps taken
};

// Integrates the object from its epoch forward to settings.to_jd and backward to
// settings.from_jd (only the legs the window needs) and keeps the events inside the
// window. `planets` must hold the planets carried to the object's epoch.
ObjectOutcome survey_object(const SurveyObject& object, const EpochPlanets& planets, const SurveySettings& settings);

}  // namespace survey
