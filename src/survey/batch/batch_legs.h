// The survey's objects side by side: the objects of one epoch stepped in batches over
// the planet tables, the drift and the kick as vector code, and the few objects near a
// planet handed to the scalar path of survey_group for the steps they need it.
#pragma once

#include <cstddef>
#include <vector>

#include "survey/engine/epoch_planets.h"
#include "survey/engine/object_outcome.h"

namespace survey {

struct LegTables;

// Objects stepped together: the cost per object-step levels off from about this many on
// (docs/survey.md, Speed).
inline constexpr size_t kBatchSize = 256;

// survey_group's outcomes for any number of objects of one epoch. The legs that have a
// planet table are stepped in batches of kBatchSize; without tables for every leg the
// window needs, when settings.sampling asks for samples, or without the batches' plug-in
// (kernel_loader.h), the objects go through
// survey_group in groups of kGroupSize.
std::vector<ObjectOutcome> survey_batch(const std::vector<const SurveyObject*>& objects, const EpochPlanets& planets,
                                        const SurveySettings& settings, const LegTables* tables = nullptr);

}  // namespace survey
