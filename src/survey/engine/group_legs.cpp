// The integration of a group of survey objects and the events each yields.
#include "survey/engine/group_legs.h"

#include <algorithm>
#include <memory>

#include "dynamics/constants.h"
#include "survey/engine/slot_run.h"
#include "survey/engine/planet_table.h"

namespace survey {
namespace {

using dynamics::kDaysPerYear;

// Hands the sampler the group's state now, when it asked for samples every so many steps.
void take_sample(const std::vector<const SurveyObject*>& group, const GroupRun& run, const StepSampling& sampling,
                 double T) {
  StepSample sample;
  sample.jd = run.blocks.epoch_jd + T * kDaysPerYear;
  sample.gm_sun = run.blocks.constants.k2;
  const int p = dynamics::planet_slot(kSurveyClass, sampling.planet);
  sample.gm_planet = run.blocks.gm[p];
  sample.planet_position = run.bodies.x[p];
  sample.planet_velocity = run.bodies.v[p];
  for (int k = run.blocks.counts.planets + 1; k <= run.blocks.counts.total; ++k) {
    const int s = run.blocks.start_slot[k];
    sample.objects.push_back({group[static_cast<size_t>(s - kFirstObjectSlot)], run.bodies.x[k], run.bodies.v[k]});
  }
  sampling.take(sample);
}

// Steps from the epoch by h until the window's end in that direction is passed or every
// object is gone; the planets from `table` while it has steps.
void run_leg(const std::vector<const SurveyObject*>& group, GroupRun& run, const SurveySettings& settings, double h,
             const PlanetTable& table, std::vector<ObjectOutcome>& outcomes) {
  const double end_jd = h > 0.0 ? settings.to_jd : settings.from_jd;
  const StepSampling& sampling = settings.sampling;
  if (sampling.every_steps > 0) take_sample(group, run, sampling, run.T);
  for (size_t n = 0; run.blocks.counts.total > run.blocks.counts.planets; ++n) {
    const double jd = step_run(group, run, settings, h, table, n, outcomes.data());
    if (sampling.every_steps > 0 && (n + 1) % static_cast<size_t>(sampling.every_steps) == 0) {
      take_sample(group, run, sampling, run.T);
    }
    if (h > 0.0 ? jd >= end_jd : jd <= end_jd) return;
  }
}

}  // namespace

std::vector<ObjectOutcome> survey_group(const std::vector<const SurveyObject*>& group, const EpochPlanets& planets,
                                        const SurveySettings& settings, const LegTables* tables) {
  const LegTables none;
  if (tables == nullptr) tables = &none;
  std::vector<ObjectOutcome> outcomes(group.size());
  const double h = kSurveyClass.step;
  const double epoch_jd = group.front()->epoch_jd;
  if (settings.to_jd > epoch_jd) {
    const std::unique_ptr<GroupRun> run = set_up_run(group, planets);
    run_leg(group, *run, settings, h, tables->forward, outcomes);
  }
  if (settings.from_jd < epoch_jd) {
    const std::unique_ptr<GroupRun> run = set_up_run(group, planets);
    run_leg(group, *run, settings, -h, tables->backward, outcomes);
  }
  return outcomes;
}

}  // namespace survey
