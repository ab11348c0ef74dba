// What one survey looks for: the time window, the planets watched and the distance below
// which a closest approach is reported.
#pragma once

#include <array>
#include <string_view>

#include "dynamics/constants.h"
#include "dynamics/earth_moon_split.h"
#include "sky/sky.h"
#include "survey/io/step_sampling.h"

namespace survey {

// Targets of a survey: planet numbers 1..9 and the Moon; entry 0 unused.
inline constexpr int kMoonTarget = dynamics::kMoonNumber;
using WatchedTargets = std::array<bool, kMoonTarget + 1>;

struct SurveySettings {
  double from_jd = 0.0;  // start of the window, Julian date (TDB)
  double to_jd = 0.0;    // end of the window
  // watched[k] for planet number k (1..9) and the Moon (kMoonTarget, seen only where the
  // sky holds the Earth and the Moon apart).
  WatchedTargets watched{};
  double distance_au = 0.05;  // report minima of the distance below this
  sky::Sky sky = sky::Sky::table;  // where the planets are at each object's epoch
  StepSampling sampling{};  // none by default: only the scalar path of group_legs takes samples
};

// Reads a --planet value: one planet number 1..9 or "moon", a comma-separated list of
// them, or "all" (the planets and the Moon). Returns false (leaving `watched` unchanged)
// when the text is none of these.
bool parse_planet_list(std::string_view text, WatchedTargets& watched);

}  // namespace survey
