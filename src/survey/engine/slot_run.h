// A run of survey objects as the single run holds it (the planets and up to eleven
// objects in the slot arrays), stepped one step at a time, and the events each step
// yields for its objects: shared by the groups of the scalar path and by the objects
// that leave a batch for an encounter.
#pragma once

#include <array>
#include <cstddef>
#include <memory>
#include <vector>

#include "dynamics/bodies.h"
#include "dynamics/shared_blocks.h"
#include "dynamics/earth_moon_split.h"
#include "dynamics/encounter_lists.h"
#include "survey/engine/closest_approach.h"
#include "survey/engine/epoch_planets.h"
#include "survey/engine/object_outcome.h"
#include "survey/io/survey_settings.h"

namespace survey {

class PlanetTable;

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

// Per start-up slot and target: whether the object was integrated together with the
// target's planet in the kick of the step before.
using PairFlags = std::array<WatchedTargets, dynamics::kMaxBodies + 1>;

struct GroupRun {
  dynamics::SharedBlocks blocks;
  dynamics::Bodies bodies;
  dynamics::Encounters encounters;
  StepStart start;
  PairFlags encounter_before{};
  double T = 0.0;  // years since the epoch
};

// The slot of a run's first object.
inline const int kFirstObjectSlot = dynamics::object_slot(kSurveyClass);

// The run of the group: the planets carried to the epoch, then each object in the slots
// after them.
std::unique_ptr<GroupRun> set_up_run(const std::vector<const SurveyObject*>& group, const EpochPlanets& planets);

// Takes step n of a leg (signed step h; the planets from `table` while it has steps, else
// stepped with the objects) and adds each object's step, loss and approaches to its
// outcome (outcomes[i] for group[i]). Returns the Julian date at the step's end.
double step_run(const std::vector<const SurveyObject*>& group, GroupRun& run, const SurveySettings& settings, double h,
                const PlanetTable& table, size_t n, ObjectOutcome* outcomes);

EarthMoonEnd earth_moon_at(const dynamics::EarthMoonSplit& split, const dynamics::Vec3& barycentre,
                           const dynamics::Vec3& barycentre_velocity, double jd);

// The Earth's centre, or the Moon, at that end of the step.
RelativeState earth_or_moon(const EarthMoonEnd& end, bool moon);

// The minimum of the distance to a target inside a step on the cubic through its ends,
// when there is one, as a row when it lies below settings.distance_au and inside the
// window. at_start, at_end: the object minus the target at the step's start and end;
// jd_end the Julian date at the end of the step of signed length h (years).
void approach_on_cubic(const SurveyObject& object, int target, const RelativeState& at_start,
                       const RelativeState& at_end, const SurveySettings& settings, double h, double jd_end,
                       double auyr_per_kms, std::vector<SurveyRow>& rows);

}  // namespace survey
