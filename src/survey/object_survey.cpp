// The integration of one survey object and the events it yields.
#include "survey/object_survey.h"

#include <memory>

#include "dynamics/constants.h"
#include "dynamics/encounter_lists.h"
#include "dynamics/planets_to_epoch.h"
#include "dynamics/step.h"
#include "survey/closest_approach.h"

namespace survey {
namespace {

using dynamics::kDaysPerYear;

// A run as the single run holds it: the shared blocks, the bodies and the lists.
struct ObjectRun {
  dynamics::SharedBlocks blocks;
  dynamics::Bodies bodies;
  dynamics::Encounters encounters;
};

std::unique_ptr<ObjectRun> set_up(const SurveyObject& object, const EpochPlanets& planets) {
  auto run = std::make_unique<ObjectRun>();
  dynamics::store_constants(run->blocks, kSurveyClass.central_mass);
  run->blocks.epoch_jd = object.epoch_jd;
  dynamics::setup_bodies(run->blocks, run->bodies, kSurveyClass, object.elements);
  for (int k = 1; k <= run->blocks.counts.planets; ++k) {
    run->bodies.x[k] = planets.bodies.x[k];
    run->bodies.v[k] = planets.bodies.v[k];
    run->bodies.r[k] = planets.bodies.r[k];
  }
  dynamics::start_run(run->encounters);
  return run;
}

bool inside(const SurveySettings& settings, double jd) { return jd >= settings.from_jd && jd <= settings.to_jd; }

SurveyRow row_of(const SurveyObject& object, EventKind event, int planet, double jd, double distance, double speed_kms) {
  return SurveyRow{object.designation, object.packed, planet, jd, distance, speed_kms, event};
}

// The minima of the distance to each watched planet inside the step just taken.
void find_approaches(const SurveyObject& object, const ObjectRun& run, const SurveySettings& settings, double h,
                     double jd_end, std::vector<SurveyRow>& rows) {
  const int object_slot = dynamics::object_slot(kSurveyClass);
  const dynamics::Bodies& b = run.bodies;
  for (int planet = 1; planet <= dynamics::kPlanetCount; ++planet) {
    if (!settings.watched[static_cast<size_t>(planet)]) continue;
    const int p = dynamics::planet_slot(kSurveyClass, planet);
    const RelativeState start{dynamics::diff(b.x0[object_slot], b.x0[p]), dynamics::diff(b.v0[object_slot], b.v0[p])};
    const RelativeState end{dynamics::diff(b.x[object_slot], b.x[p]), dynamics::diff(b.v[object_slot], b.v[p])};
    const bool forward = h > 0.0;
    const RelativeState& earlier = forward ? start : end;
    const RelativeState& later = forward ? end : start;
    if (!has_minimum(earlier, later)) continue;
    const double span = std::fabs(h);
    const ClosestApproach found = refine_minimum(earlier, later, span);
    const double jd = (forward ? jd_end - span * kDaysPerYear : jd_end) + found.fraction * span * kDaysPerYear;
    if (found.distance >= settings.distance_au || !inside(settings, jd)) continue;
    rows.push_back(row_of(object, EventKind::approach, planet, jd, found.distance,
                          found.speed / run.blocks.constants.auyr_per_kms));
  }
}

// The row of an object removed without a collision: ejected (unbound or beyond the
// ejection limits) or fallen into the Sun.
SurveyRow loss_row(const SurveyObject& object, const ObjectRun& run, double jd) {
  const int k = dynamics::object_slot(kSurveyClass);
  const double a = run.blocks.orbits.a[k];
  const double r = run.bodies.r[k];
  const bool ejected = a < 0.0 || a > run.blocks.ejection.max_semimajor || r > run.blocks.ejection.max_distance;
  const double speed = dynamics::norm(run.bodies.v[k]) / run.blocks.constants.auyr_per_kms;
  return row_of(object, ejected ? EventKind::ejection : EventKind::sun, 0, jd, r, speed);
}

// Steps from the epoch by h until the window's end in that direction is passed.
void run_leg(const SurveyObject& object, ObjectRun& run, const SurveySettings& settings, double h,
             ObjectOutcome& outcome) {
  const double end_jd = h > 0.0 ? settings.to_jd : settings.from_jd;
  const int object_slot = dynamics::object_slot(kSurveyClass);
  double T = 0.0;
  for (;;) {
    dynamics::take_step(run.blocks, run.bodies, run.encounters, T, h);
    ++outcome.steps;
    const double jd = run.blocks.epoch_jd + T * kDaysPerYear;
    bool collided = false;
    for (const dynamics::CloseApproach& record : run.encounters.approaches) {
      if (!record.collision) continue;
      collided = true;
      const int p = dynamics::planet_slot(kSurveyClass, record.planet);
      if (inside(settings, record.jd)) {
        outcome.rows.push_back(row_of(object, EventKind::collision, record.planet, record.jd,
                                      record.dmin_rplan * run.bodies.radius[p], record.vp_kms));
      }
    }
    if (run.blocks.counts.total < object_slot) {
      if (!collided && inside(settings, jd)) outcome.rows.push_back(loss_row(object, run, jd));
      return;
    }
    find_approaches(object, run, settings, h, jd, outcome.rows);
    if (h > 0.0 ? jd >= end_jd : jd <= end_jd) return;
  }
}

}  // namespace

void carry_planets(EpochPlanets& planets, double epoch_jd) {
  dynamics::SharedBlocks blocks;
  dynamics::store_constants(blocks, kSurveyClass.central_mass);
  blocks.epoch_jd = epoch_jd;
  // Any object serves: the planets' carriage reads only the epoch of the object's slot.
  const dynamics::OrbitalElements placeholder{1.0, 0.1, 1.0, 0.0, 0.0, 0.0};
  planets.epoch_jd = epoch_jd;
  planets.bodies = dynamics::Bodies{};
  dynamics::setup_bodies(blocks, planets.bodies, kSurveyClass, placeholder);
  dynamics::carry_planets_to_epoch(blocks, planets.bodies, dynamics::kPlanetEpochJd);
}

ObjectOutcome survey_object(const SurveyObject& object, const EpochPlanets& planets, const SurveySettings& settings) {
  ObjectOutcome outcome;
  const double h = kSurveyClass.step;
  if (settings.to_jd > object.epoch_jd) {
    const std::unique_ptr<ObjectRun> run = set_up(object, planets);
    run_leg(object, *run, settings, h, outcome);
  }
  if (settings.from_jd < object.epoch_jd) {
    const std::unique_ptr<ObjectRun> run = set_up(object, planets);
    run_leg(object, *run, settings, -h, outcome);
  }
  return outcome;
}

}  // namespace survey
