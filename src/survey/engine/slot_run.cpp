// One step of a run of survey objects and the events it yields.
#include "survey/engine/slot_run.h"

#include <algorithm>
#include <cmath>

#include "dynamics/constants.h"
#include "dynamics/shared_blocks.h"
#include "dynamics/step.h"
#include "survey/engine/planet_table.h"

namespace survey {
namespace {

using dynamics::kDaysPerYear;

EarthMoonEnd earth_moon_of_run(const GroupRun& run, double jd) {
  const int barycentre = dynamics::planet_slot(kSurveyClass, dynamics::kEarthNumber);
  return earth_moon_at(*run.blocks.earth_moon, run.bodies.x[barycentre], run.bodies.v[barycentre], jd);
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

bool integrated_together(const dynamics::Encounters& encounters, int planet, int s) {
  return std::any_of(encounters.pairs.begin(), encounters.pairs.end(),
                     [&](const dynamics::EncounterPair& pair) { return pair.planet == planet && pair.body == s; });
}

// The planet whose encounter integration follows the target: the Moon's is the Earth's.
int planet_of(int target) { return target == kMoonTarget ? dynamics::kEarthNumber : target; }

// Collision radius of a target, AU.
double radius_of(const GroupRun& run, int target) {
  if (target == kMoonTarget) return run.blocks.earth_moon->moon_radius();
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

TargetEnds target_ends(const GroupRun& run, const EarthMoonEnd* earth_moon, int target) {
  if (earth_moon != nullptr && (target == dynamics::kEarthNumber || target == kMoonTarget)) {
    const bool moon = target == kMoonTarget;
    return {earth_or_moon(earth_moon[0], moon), earth_or_moon(earth_moon[1], moon)};
  }
  const int p = dynamics::planet_slot(kSurveyClass, target);
  return {{run.start.x[p], run.start.v[p]}, {run.bodies.x[p], run.bodies.v[p]}};
}

// The minima of the distance to each watched target inside the step just taken, for the
// object now in slot k: from the encounter integration when the object was integrated
// together with the target's planet, else from the cubic through the step's two ends.
// earth_moon: the Earth's and the Moon's states at the step's start and end, or null
// when the run holds them as one barycentre (the Moon is then not seen).
void find_approaches(const SurveyObject& object, GroupRun& run, int k, const SurveySettings& settings, double h,
                     double jd_end, const EarthMoonEnd* earth_moon, std::vector<SurveyRow>& rows) {
  const dynamics::Bodies& b = run.bodies;
  const int s = run.blocks.start_slot[k];
  for (int target = 1; target <= kMoonTarget; ++target) {
    if (!settings.watched[static_cast<size_t>(target)]) continue;
    if (target == kMoonTarget && earth_moon == nullptr) continue;
    bool& before = run.encounter_before[static_cast<size_t>(s)][static_cast<size_t>(target)];
    if (integrated_together(run.encounters, planet_of(target), s)) {
      encounter_minima(object, run, s, target, settings, h, jd_end - h * kDaysPerYear, before, rows);
      before = true;
      continue;
    }
    before = false;
    const TargetEnds ends = target_ends(run, earth_moon, target);
    const RelativeState at_end{dynamics::diff(b.x[k], ends.end.position), dynamics::diff(b.v[k], ends.end.velocity)};
    const RelativeState at_start{dynamics::diff(run.start.x[s], ends.start.position),
                                 dynamics::diff(run.start.v[s], ends.start.velocity)};
    approach_on_cubic(object, target, at_start, at_end, settings, h, jd_end, run.blocks.constants.auyr_per_kms, rows);
  }
}

// The row of an object removed at the end of a step: its collision record, else a fall
// into the Sun or an ejection, with its distance and speed at the start of that step.
SurveyRow loss_row(const SurveyObject& object, const GroupRun& run, int s, double jd) {
  const dynamics::RemovalReason reason = run.encounters.removal_reason[s];
  if (reason == dynamics::RemovalReason::collision) {
    for (const dynamics::CloseApproach& pass : run.encounters.passes) {
      if (pass.body != s || !pass.collision) continue;
      return row_of(object, EventKind::collision, pass.planet, pass.jd, pass.dmin_rplan * radius_of(run, pass.planet),
                    pass.vp_kms);
    }
  }
  const double r = dynamics::norm(run.start.x[s]);
  const double speed = dynamics::norm(run.start.v[s]) / run.blocks.constants.auyr_per_kms;
  const EventKind event = reason == dynamics::RemovalReason::ejection ? EventKind::ejection : EventKind::sun;
  return row_of(object, event, 0, jd, r, speed);
}

}  // namespace

EarthMoonEnd earth_moon_at(const dynamics::EarthMoonSplit& split, const dynamics::Vec3& barycentre,
                           const dynamics::Vec3& barycentre_velocity, double jd) {
  return {split.places(barycentre, jd), split.velocities(barycentre_velocity, jd)};
}

RelativeState earth_or_moon(const EarthMoonEnd& end, bool moon) {
  return moon ? RelativeState{end.place.moon, end.speed.moon} : RelativeState{end.place.earth, end.speed.earth};
}

void approach_on_cubic(const SurveyObject& object, int target, const RelativeState& at_start,
                       const RelativeState& at_end, const SurveySettings& settings, double h, double jd_end,
                       double auyr_per_kms, std::vector<SurveyRow>& rows) {
  const double span = std::fabs(h);
  const bool forward = h > 0.0;
  const RelativeState& earlier = forward ? at_start : at_end;
  const RelativeState& later = forward ? at_end : at_start;
  if (!has_minimum(earlier, later)) return;
  const ClosestApproach found = refine_minimum(earlier, later, span);
  const double jd = (forward ? jd_end - span * kDaysPerYear : jd_end) + found.fraction * span * kDaysPerYear;
  if (found.distance >= settings.distance_au || !inside(settings, jd)) return;
  rows.push_back(row_of(object, EventKind::approach, target, jd, found.distance, found.speed / auyr_per_kms));
}

std::unique_ptr<GroupRun> set_up_run(const std::vector<const SurveyObject*>& group, const EpochPlanets& planets) {
  auto run = std::make_unique<GroupRun>();
  run->blocks = planets.blocks;
  run->bodies = planets.bodies;
  for (const SurveyObject* object : group) add_object(run->blocks, run->bodies, *object, *planets.sky);
  dynamics::start_run(run->encounters);
  return run;
}

double step_run(const std::vector<const SurveyObject*>& group, GroupRun& run, const SurveySettings& settings, double h,
                const PlanetTable& table, size_t n, ObjectOutcome* outcomes) {
  const int planets = run.blocks.counts.planets;
  const bool apart = run.blocks.earth_moon != nullptr;
  std::array<EarthMoonEnd, 2> earth_moon{};  // at the step's start and end
  remember(run, run.start);
  if (apart) earth_moon[0] = earth_moon_of_run(run, run.blocks.epoch_jd + run.T * kDaysPerYear);
  if (n < table.steps()) {
    dynamics::take_step_with_planets(run.blocks, run.bodies, run.encounters, run.T, h, table.step(n));
  } else {
    dynamics::take_step(run.blocks, run.bodies, run.encounters, run.T, h);
  }
  const double jd = run.blocks.epoch_jd + run.T * kDaysPerYear;
  if (apart) earth_moon[1] = earth_moon_of_run(run, jd);
  dynamics::SlotInts alive_now{};
  for (int k = planets + 1; k <= run.blocks.counts.total; ++k) alive_now[run.blocks.start_slot[k]] = 1;
  for (int s = kFirstObjectSlot; s < kFirstObjectSlot + static_cast<int>(group.size()); ++s) {
    if (run.start.alive[s] == 0) continue;
    ObjectOutcome& outcome = outcomes[s - kFirstObjectSlot];
    ++outcome.steps;
    if (alive_now[s] == 0) {
      const SurveyRow row = loss_row(*group[static_cast<size_t>(s - kFirstObjectSlot)], run, s, jd);
      if (inside(settings, row.jd)) outcome.rows.push_back(row);
    }
  }
  for (int k = planets + 1; k <= run.blocks.counts.total; ++k) {
    const int s = run.blocks.start_slot[k];
    find_approaches(*group[static_cast<size_t>(s - kFirstObjectSlot)], run, k, settings, h, jd,
                    apart ? earth_moon.data() : nullptr, outcomes[s - kFirstObjectSlot].rows);
  }
  return jd;
}

}  // namespace survey
