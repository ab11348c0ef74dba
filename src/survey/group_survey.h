// A group of survey objects of one epoch integrated together: the planets and up to
// eleven massless objects in one run of the single run's step, so that the planets'
// drifts and kicks are paid once for the group. Each object moves exactly as it would
// alone: the step treats the small bodies one by one and they do not pull each other.
#pragma once

#include <vector>

#include "dynamics/bodies.h"
#include "dynamics/constants.h"
#include "dynamics/planet_setup.h"
#include "sky/sky.h"
#include "survey/survey_catalogue.h"
#include "survey/survey_settings.h"
#include "survey/survey_table.h"

namespace survey {

struct LegTables;

// Every object is integrated with all nine planets and the shortest step of the single
// run (the class of an object close to the Sun): one planet set serves the whole catalogue.
inline constexpr dynamics::IntegrationClass kSurveyClass{};

// Objects that share a run with the nine planets of the survey's class.
inline constexpr int kGroupSize = dynamics::kMaxBodies - dynamics::kPlanetCount;

// The planets of the survey's class at `epoch_jd` in a sky, set up as the single run sets
// them up; shared by every object of that epoch.
struct EpochPlanets {
  dynamics::SharedBlocks blocks;  // set up for the nine planets, epoch_jd the epoch
  dynamics::Bodies bodies;        // planet slots 1..9 hold their states at the epoch
  sky::Sky sky = sky::Sky::table;  // the objects take their elements in this sky too
};

void carry_planets(EpochPlanets& planets, double epoch_jd, sky::Sky sky);

// carry_planets, then, when the planets hold the Earth and the Moon apart, the Moon sampled
// over the span the runs of that epoch cover (its epoch and the window, a few days
// beyond), shared by them. The track needs nothing of the planets and takes as long to
// make: with `beside`, it is made on a second thread meanwhile.
void set_up_epoch(EpochPlanets& planets, double epoch_jd, const SurveySettings& settings, bool beside);

struct ObjectOutcome {
  std::vector<SurveyRow> rows;  // in the order found
  long steps = 0;               // integration steps the object took
};

// Integrates 1..kGroupSize objects of one epoch from it forward to settings.to_jd and
// backward to settings.from_jd (only the legs the window needs) and keeps the events
// inside the window; one outcome per object, in the order given. `planets` must hold the
// planets carried to that epoch. With `tables` (planet_table.h, from the same planets and
// settings) the planets' states are read from them, not stepped again: the same outcomes.
std::vector<ObjectOutcome> survey_group(const std::vector<const SurveyObject*>& group, const EpochPlanets& planets,
                                        const SurveySettings& settings, const LegTables* tables = nullptr);

}  // namespace survey
