// A look at a group's objects every few steps, for callers that follow the orbits
// themselves (the co-orbital search reads the resonant angle from it). Without a sampler
// the survey runs exactly as before.
#pragma once

#include <functional>
#include <vector>

#include "dynamics/vec3.h"
#include "survey/io/survey_object.h"

namespace survey {

// One object's heliocentric state at a sample, AU and AU/yr.
struct ObjectSample {
  const SurveyObject* object = nullptr;
  dynamics::Vec3 position{}, velocity{};
};

// The state of a group at the end of a step: its time, the Sun's and the planet's GM
// (AU^3/yr^2), the chosen planet's heliocentric state and every object still in the run.
struct StepSample {
  double jd = 0.0;
  double gm_sun = 0.0, gm_planet = 0.0;
  dynamics::Vec3 planet_position{}, planet_velocity{};
  std::vector<ObjectSample> objects;
};

// Called from the thread that integrates the group; one group's objects are only ever
// handed to one call at a time, but several groups may call at once.
using StepSampler = std::function<void(const StepSample&)>;

struct StepSampling {
  int every_steps = 0;  // 0: no samples; else at the epoch and after every so many steps of each leg
  int planet = 3;       // the planet whose state each sample carries, 1..9
  StepSampler take;
};

}  // namespace survey
