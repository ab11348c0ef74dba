// The integration of a group of survey objects and the events each yields.
#include "survey/group_survey.h"

#include <memory>

#include "dynamics/constants.h"
#include "dynamics/encounter_lists.h"
#include "dynamics/step.h"
#include "sky/object_elements.h"
#include "sky/planets_at_epoch.h"
#include "survey/closest_approach.h"

namespace survey {
namespace {

using dynamics::kDaysPerYear;
using dynamics::Vec3;

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

// The minima of the distance to each watched planet inside the step just taken, for the
// object now in slot k.
void find_approaches(const SurveyObject& object, const GroupRun& run, const StepStart& start, int k,
                     const SurveySettings& settings, double h, double jd_end, std::vector<SurveyRow>& rows) {
  const dynamics::Bodies& b = run.bodies;
  const int s = run.blocks.start_slot[k];
  for (int planet = 1; planet <= dynamics::kPlanetCount; ++planet) {
    if (!settings.watched[static_cast<size_t>(planet)]) continue;
    const int p = dynamics::planet_slot(kSurveyClass, planet);
    const RelativeState before{dynamics::diff(start.x[s], start.x[p]), dynamics::diff(start.v[s], start.v[p])};
    const RelativeState after{dynamics::diff(b.x[k], b.x[p]), dynamics::diff(b.v[k], b.v[p])};
    const bool forward = h > 0.0;
    const RelativeState& earlier = forward ? before : after;
    const RelativeState& later = forward ? after : before;
    if (!has_minimum(earlier, later)) continue;
    const double span = std::fabs(h);
    const ClosestApproach found = refine_minimum(earlier, later, span);
    const double jd = (forward ? jd_end - span * kDaysPerYear : jd_end) + found.fraction * span * kDaysPerYear;
    if (found.distance >= settings.distance_au || !inside(settings, jd)) continue;
    rows.push_back(row_of(object, EventKind::approach, planet, jd, found.distance,
                          found.speed / run.blocks.constants.auyr_per_kms));
  }
}

// The row of an object removed at the end of a step: its collision record, else a fall
// into the Sun or an ejection, with its distance and speed at the start of that step.
SurveyRow loss_row(const SurveyObject& object, const GroupRun& run, const StepStart& start, int s, double jd) {
  const dynamics::RemovalReason reason = run.encounters.removal_reason[s];
  if (reason == dynamics::RemovalReason::collision) {
    for (const dynamics::CloseApproach& record : run.encounters.approaches) {
      if (record.body != s || !record.collision) continue;
      const double radius = run.bodies.radius[dynamics::planet_slot(kSurveyClass, record.planet)];
      return row_of(object, EventKind::collision, record.planet, record.jd, record.dmin_rplan * radius,
                    record.vp_kms);
    }
  }
  const double r = dynamics::norm(start.x[s]);
  const double speed = dynamics::norm(start.v[s]) / run.blocks.constants.auyr_per_kms;
  const EventKind event = reason == dynamics::RemovalReason::ejection ? EventKind::ejection : EventKind::sun;
  return row_of(object, event, 0, jd, r, speed);
}

// Steps from the epoch by h until the window's end in that direction is passed or every
// object is gone.
void run_leg(const std::vector<const SurveyObject*>& group, GroupRun& run, const SurveySettings& settings, double h,
             std::vector<ObjectOutcome>& outcomes) {
  const double end_jd = h > 0.0 ? settings.to_jd : settings.from_jd;
  const int planets = run.blocks.counts.planets;
  auto start = std::make_unique<StepStart>();
  double T = 0.0;
  while (run.blocks.counts.total > planets) {
    remember(run, *start);
    dynamics::take_step(run.blocks, run.bodies, run.encounters, T, h);
    const double jd = run.blocks.epoch_jd + T * kDaysPerYear;
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
                      outcomes[static_cast<size_t>(s - kFirstObjectSlot)].rows);
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

std::vector<ObjectOutcome> survey_group(const std::vector<const SurveyObject*>& group, const EpochPlanets& planets,
                                        const SurveySettings& settings) {
  std::vector<ObjectOutcome> outcomes(group.size());
  const double h = kSurveyClass.step;
  const double epoch_jd = group.front()->epoch_jd;
  if (settings.to_jd > epoch_jd) {
    const std::unique_ptr<GroupRun> run = set_up(group, planets);
    run_leg(group, *run, settings, h, outcomes);
  }
  if (settings.from_jd < epoch_jd) {
    const std::unique_ptr<GroupRun> run = set_up(group, planets);
    run_leg(group, *run, settings, -h, outcomes);
  }
  return outcomes;
}

}  // namespace survey
