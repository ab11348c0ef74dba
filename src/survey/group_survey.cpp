// The integration of a group of survey objects and the events each yields.
#include "survey/group_survey.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <memory>

#include "dynamics/constants.h"
#include "dynamics/encounter_lists.h"
#include "dynamics/step.h"
#include "sky/object_elements.h"
#include "sky/planets_at_epoch.h"
#include "survey/closest_approach.h"
#include "survey/planet_table.h"

namespace survey {
namespace {

using dynamics::kDaysPerYear;
using dynamics::Vec3;

// The Moon's nodes: a cubic through them is good to 0.01 km. The margin holds the last
// step beyond the window and the nodes around it.
constexpr double kTrackSpacingDays = 0.125;
constexpr double kTrackMarginDays = 4.0;

// A run as the single run holds it: the shared blocks, the bodies and the lists.
struct GroupRun {
  dynamics::SharedBlocks blocks;
  dynamics::Bodies bodies;
  dynamics::Encounters encounters;
};

const int kFirstObjectSlot = dynamics::object_slot(kSurveyClass);

// The run of the group: the planets carried to the epoch, then each object in the slots
// after them.
std::unique_ptr<GroupRun> set_up(const std::vector<const SurveyObject*>& group, const EpochPlanets& planets) {
  auto run = std::make_unique<GroupRun>();
  run->blocks = planets.blocks;
  run->bodies = planets.bodies;
  for (const SurveyObject* object : group) {
    dynamics::add_small_body(run->blocks, run->bodies,
                             sky::elements_in_sky(object->elements, object->mean_motion, planets.sky));
  }
  dynamics::start_run(run->encounters);
  return run;
}

// Heliocentric states of every body at the start of a step, by start-up slot (slots move
// down when a body is removed at the end of the step).
struct StepStart {
  dynamics::SlotVectors x, v;
  dynamics::SlotInts alive{};  // 1 for a start-up slot present at the start
};

// Heliocentric places and velocities of the Earth's centre and the Moon at one end of a
// step, when the run holds them apart.
struct EarthMoonEnd {
  dynamics::EarthAndMoon place, speed;
};

EarthMoonEnd earth_moon_at(const GroupRun& run, double jd) {
  const dynamics::EarthMoonSplit& split = run.blocks.earth_moon;
  const int barycentre = dynamics::planet_slot(kSurveyClass, dynamics::kEarthNumber);
  return {dynamics::earth_and_moon(split, run.bodies.x[barycentre], jd),
          dynamics::earth_and_moon_velocities(split, run.bodies.v[barycentre], jd)};
}

void remember(const GroupRun& run, StepStart& start) {
  start.alive.fill(0);
  for (int k = 1; k <= run.blocks.counts.total; ++k) {
    const int s = run.blocks.start_slot[k];
    start.x[s] = run.bodies.x[k];
    start.v[s] = run.bodies.v[k];
    start.alive[s] = 1;
  }
}

bool inside(const SurveySettings& settings, double jd) { return jd >= settings.from_jd && jd <= settings.to_jd; }

SurveyRow row_of(const SurveyObject& object, EventKind event, int planet, double jd, double distance, double speed_kms) {
  return SurveyRow{object.designation, object.packed, planet, jd, distance, speed_kms, event};
}

// Per start-up slot and target: whether the object was integrated together with the
// target's planet in the kick of the step before.
using PairFlags = std::array<WatchedTargets, dynamics::kMaxBodies + 1>;

bool integrated_together(const dynamics::Encounters& encounters, int planet, int s) {
  return std::any_of(encounters.pairs.begin(), encounters.pairs.end(),
                     [&](const dynamics::EncounterPair& pair) { return pair.planet == planet && pair.body == s; });
}

// The planet whose encounter integration follows the target: the Moon's is the Earth's.
int planet_of(int target) { return target == kMoonTarget ? dynamics::kEarthNumber : target; }

// Collision radius of a target, AU.
double radius_of(const GroupRun& run, int target) {
  if (target == kMoonTarget) return run.blocks.earth_moon.moon_radius;
  return run.bodies.radius[dynamics::planet_slot(kSurveyClass, target)];
}

// The minima the encounter integration of the object in start-up slot s found about the
// target in this step (a collision is the object's loss row instead). A pass dated
// before the step lay in the unchecked last substep of the step before; it is kept only
// when that step was an encounter integration too, else the cubic of that step found it.
void encounter_minima(const SurveyObject& object, const GroupRun& run, int s, int target,
                      const SurveySettings& settings, double h, double jd_start, bool encounter_before,
                      std::vector<SurveyRow>& rows) {
  const double radius = radius_of(run, target);
  for (const dynamics::CloseApproach& pass : run.encounters.passes) {
    if (pass.body != s || pass.planet != target || pass.collision) continue;
    const bool before_step = h > 0.0 ? pass.jd < jd_start : pass.jd > jd_start;
    if (before_step && !encounter_before) continue;
    const double distance = pass.dmin_rplan * radius;
    if (distance >= settings.distance_au || !inside(settings, pass.jd)) continue;
    rows.push_back(row_of(object, EventKind::approach, target, pass.jd, distance, pass.vp_kms));
  }
}

// Heliocentric position and velocity of a target at the start and the end of the step:
// the planet's slot, or the Earth's centre and the Moon when the run holds them apart.
struct TargetEnds {
  RelativeState start, end;
};

TargetEnds target_ends(const GroupRun& run, const StepStart& start, const EarthMoonEnd* earth_moon, int target) {
  if (earth_moon != nullptr && (target == dynamics::kEarthNumber || target == kMoonTarget)) {
    const bool moon = target == kMoonTarget;
    const EarthMoonEnd& a = earth_moon[0];
    const EarthMoonEnd& b = earth_moon[1];
    return {{moon ? a.place.moon : a.place.earth, moon ? a.speed.moon : a.speed.earth},
            {moon ? b.place.moon : b.place.earth, moon ? b.speed.moon : b.speed.earth}};
  }
  const int p = dynamics::planet_slot(kSurveyClass, target);
  return {{start.x[p], start.v[p]}, {run.bodies.x[p], run.bodies.v[p]}};
}

// The minima of the distance to each watched target inside the step just taken, for the
// object now in slot k: from the encounter integration when the object was integrated
// together with the target's planet, else from the cubic through the step's two ends.
// earth_moon: the Earth's and the Moon's states at the step's start and end, or null
// when the run holds them as one barycentre (the Moon is then not seen).
void find_approaches(const SurveyObject& object, const GroupRun& run, const StepStart& start, int k,
                     const SurveySettings& settings, double h, double jd_end, const EarthMoonEnd* earth_moon,
                     PairFlags& encounter_before, std::vector<SurveyRow>& rows) {
  const dynamics::Bodies& b = run.bodies;
  const int s = run.blocks.start_slot[k];
  const double span = std::fabs(h);
  for (int target = 1; target <= kMoonTarget; ++target) {
    if (!settings.watched[static_cast<size_t>(target)]) continue;
    if (target == kMoonTarget && earth_moon == nullptr) continue;
    bool& before = encounter_before[static_cast<size_t>(s)][static_cast<size_t>(target)];
    if (integrated_together(run.encounters, planet_of(target), s)) {
      encounter_minima(object, run, s, target, settings, h, jd_end - h * kDaysPerYear, before, rows);
      before = true;
      continue;
    }
    before = false;
    const TargetEnds ends = target_ends(run, start, earth_moon, target);
    const RelativeState after{dynamics::diff(b.x[k], ends.end.position), dynamics::diff(b.v[k], ends.end.velocity)};
    const RelativeState before_state{dynamics::diff(start.x[s], ends.start.position),
                                     dynamics::diff(start.v[s], ends.start.velocity)};
    const bool forward = h > 0.0;
    const RelativeState& earlier = forward ? before_state : after;
    const RelativeState& later = forward ? after : before_state;
    if (!has_minimum(earlier, later)) continue;
    const ClosestApproach found = refine_minimum(earlier, later, span);
    const double jd = (forward ? jd_end - span * kDaysPerYear : jd_end) + found.fraction * span * kDaysPerYear;
    if (found.distance >= settings.distance_au || !inside(settings, jd)) continue;
    rows.push_back(row_of(object, EventKind::approach, target, jd, found.distance,
                          found.speed / run.blocks.constants.auyr_per_kms));
  }
}

// The row of an object removed at the end of a step: its collision record, else a fall
// into the Sun or an ejection, with its distance and speed at the start of that step.
SurveyRow loss_row(const SurveyObject& object, const GroupRun& run, const StepStart& start, int s, double jd) {
  const dynamics::RemovalReason reason = run.encounters.removal_reason[s];
  if (reason == dynamics::RemovalReason::collision) {
    for (const dynamics::CloseApproach& pass : run.encounters.passes) {
      if (pass.body != s || !pass.collision) continue;
      return row_of(object, EventKind::collision, pass.planet, pass.jd, pass.dmin_rplan * radius_of(run, pass.planet),
                    pass.vp_kms);
    }
  }
  const double r = dynamics::norm(start.x[s]);
  const double speed = dynamics::norm(start.v[s]) / run.blocks.constants.auyr_per_kms;
  const EventKind event = reason == dynamics::RemovalReason::ejection ? EventKind::ejection : EventKind::sun;
  return row_of(object, event, 0, jd, r, speed);
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
  const int planets = run.blocks.counts.planets;
  auto start = std::make_unique<StepStart>();
  PairFlags encounter_before{};
  const bool apart = run.blocks.earth_moon.active();
  std::array<EarthMoonEnd, 2> earth_moon{};  // at the step's start and end
  double T = 0.0;
  const StepSampling& sampling = settings.sampling;
  if (sampling.every_steps > 0) take_sample(group, run, sampling, T);
  for (size_t n = 0; run.blocks.counts.total > planets; ++n) {
    remember(run, *start);
    if (apart) earth_moon[0] = earth_moon_at(run, run.blocks.epoch_jd + T * kDaysPerYear);
    if (n < table.steps()) {
      dynamics::take_step_with_planets(run.blocks, run.bodies, run.encounters, T, h, table.step(n));
    } else {
      dynamics::take_step(run.blocks, run.bodies, run.encounters, T, h);
    }
    const double jd = run.blocks.epoch_jd + T * kDaysPerYear;
    if (apart) earth_moon[1] = earth_moon_at(run, jd);
    dynamics::SlotInts alive_now{};
    for (int k = planets + 1; k <= run.blocks.counts.total; ++k) alive_now[run.blocks.start_slot[k]] = 1;
    for (int s = kFirstObjectSlot; s < kFirstObjectSlot + static_cast<int>(group.size()); ++s) {
      if (start->alive[s] == 0) continue;
      ObjectOutcome& outcome = outcomes[static_cast<size_t>(s - kFirstObjectSlot)];
      ++outcome.steps;
      if (alive_now[s] == 0) {
        const SurveyRow row = loss_row(*group[static_cast<size_t>(s - kFirstObjectSlot)], run, *start, s, jd);
        if (inside(settings, row.jd)) outcome.rows.push_back(row);
      }
    }
    for (int k = planets + 1; k <= run.blocks.counts.total; ++k) {
      const int s = run.blocks.start_slot[k];
      find_approaches(*group[static_cast<size_t>(s - kFirstObjectSlot)], run, *start, k, settings, h, jd,
                      apart ? earth_moon.data() : nullptr, encounter_before, outcomes[static_cast<size_t>(s - kFirstObjectSlot)].rows);
    }
    if (sampling.every_steps > 0 && (n + 1) % static_cast<size_t>(sampling.every_steps) == 0) {
      take_sample(group, run, sampling, T);
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

void track_the_moon(EpochPlanets& planets, const SurveySettings& settings) {
  dynamics::EarthMoonSplit& split = planets.blocks.earth_moon;
  if (!split.active()) return;
  const double epoch = planets.blocks.epoch_jd;
  split.track = std::make_shared<const dynamics::MoonTrack>(split.moon_geocentric,
                                                            std::min(epoch, settings.from_jd) - kTrackMarginDays,
                                                            std::max(epoch, settings.to_jd) + kTrackMarginDays,
                                                            kTrackSpacingDays);
}

std::vector<ObjectOutcome> survey_group(const std::vector<const SurveyObject*>& group, const EpochPlanets& planets,
                                        const SurveySettings& settings, const LegTables* tables) {
  const LegTables none;
  if (tables == nullptr) tables = &none;
  std::vector<ObjectOutcome> outcomes(group.size());
  const double h = kSurveyClass.step;
  const double epoch_jd = group.front()->epoch_jd;
  if (settings.to_jd > epoch_jd) {
    const std::unique_ptr<GroupRun> run = set_up(group, planets);
    run_leg(group, *run, settings, h, tables->forward, outcomes);
  }
  if (settings.from_jd < epoch_jd) {
    const std::unique_ptr<GroupRun> run = set_up(group, planets);
    run_leg(group, *run, settings, -h, tables->backward, outcomes);
  }
  return outcomes;
}

}  // namespace survey
