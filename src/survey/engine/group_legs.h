// A group of survey objects of one epoch integrated together: the planets and up to
// eleven massless objects in one run of the single run's step, so that the planets'
// drifts and kicks are paid once for the group. Each object moves exactly as it would
// alone: the step treats the small bodies one by one and they do not pull each other.
#pragma once

#include <vector>

#include "survey/engine/epoch_planets.h"
#include "survey/engine/object_outcome.h"
#include "survey/io/survey_object.h"
#include "survey/io/survey_settings.h"

namespace survey {

struct LegTables;

// Integrates 1..kGroupSize objects of one epoch from it forward to settings.to_jd and
// backward to settings.from_jd (only the legs the window needs) and keeps the events
// inside the window; one outcome per object, in the order given. `planets` must hold the
// planets carried to that epoch. With `tables` (planet_table.h, from the same planets and
// settings) the planets' states are read from them, not stepped again: the same outcomes.
std::vector<ObjectOutcome> survey_group(const std::vector<const SurveyObject*>& group, const EpochPlanets& planets,
                                        const SurveySettings& settings, const LegTables* tables = nullptr);

}  // namespace survey
