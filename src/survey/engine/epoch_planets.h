// The planets of one epoch, set up once and shared by every object of that epoch: the
// state every run of the survey's engine starts from.
#pragma once

#include "dynamics/bodies.h"
#include "dynamics/constants.h"
#include "dynamics/planet_setup.h"
#include "dynamics/shared_blocks.h"
#include "sky/sky_model.h"
#include "survey/io/survey_object.h"
#include "survey/io/survey_settings.h"

namespace survey {

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
  const sky::SkyModel* sky = nullptr;  // the sky of the planets; the objects take their elements in it too
};

void carry_planets(EpochPlanets& planets, double epoch_jd, const sky::SkyModel& sky);

// Puts an object at its epoch into the first free slot of a run set up from an epoch's
// planets, with its elements in that sky, and returns the slot: the starting state of an
// object in a group's run and of a lane in a batch alike.
int add_object(dynamics::SharedBlocks& blocks, dynamics::Bodies& bodies, const SurveyObject& object,
               const sky::SkyModel& sky);

// carry_planets, then, when the planets hold the Earth and the Moon apart, the Moon sampled
// over the span the runs of that epoch cover (its epoch and the window, a few days
// beyond), shared by them. The track needs nothing of the planets and takes as long to
// make: with `beside`, it is made on a second thread meanwhile.
void set_up_epoch(EpochPlanets& planets, double epoch_jd, const SurveySettings& settings, bool beside);

}  // namespace survey
