// The integration of a group of survey objects and the events each yields.
#include "survey/group_survey.h"

#include <algorithm>
#include <functional>
#include <future>
#include <memory>
#include <system_error>

#include "dynamics/constants.h"
#include "sky/earth_moon.h"
#include "sky/planets_at_epoch.h"
#include "survey/group_run.h"
#include "survey/planet_table.h"

namespace survey {
namespace {

using dynamics::kDaysPerYear;

// The Moon's nodes: a cubic through them is good to 0.01 km. The margin holds the last
// step beyond the window and the nodes around it.
constexpr double kTrackSpacingDays = 0.125;
constexpr double kTrackMarginDays = 4.0;

// The Moon's nodes over the span the runs of an epoch cover.
std::shared_ptr<const dynamics::MoonTrack> moon_track(double epoch_jd, const SurveySettings& settings) {
  return std::make_shared<const dynamics::MoonTrack>(&sky::moon_geocentric,
                                                     std::min(epoch_jd, settings.from_jd) - kTrackMarginDays,
                                                     std::max(epoch_jd, settings.to_jd) + kTrackMarginDays,
                                                     kTrackSpacingDays);
}

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

void carry_planets(EpochPlanets& planets, double epoch_jd, sky::Sky sky) {
  planets.blocks = dynamics::SharedBlocks{};
  dynamics::store_constants(planets.blocks, kSurveyClass.central_mass);
  planets.bodies = dynamics::Bodies{};
  planets.sky = sky;
  sky::set_up_planets(planets.blocks, planets.bodies, kSurveyClass, epoch_jd, sky);
}

void set_up_epoch(EpochPlanets& planets, double epoch_jd, const SurveySettings& settings, bool beside) {
  std::future<std::shared_ptr<const dynamics::MoonTrack>> track;
  if (beside && settings.sky != sky::Sky::table) {
    try {
      track = std::async(std::launch::async, moon_track, epoch_jd, std::cref(settings));
    } catch (const std::system_error&) {
      // no second thread: the track is made after the planets
    }
  }
  carry_planets(planets, epoch_jd, settings.sky);
  dynamics::EarthMoonSplit& split = planets.blocks.earth_moon;
  if (split.active()) split.track = track.valid() ? track.get() : moon_track(epoch_jd, settings);
}

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
