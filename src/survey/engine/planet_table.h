// The planets of one epoch stepped once over a leg of the survey, their states at every
// step kept in a read-only table that the runs of every thread read: a run of objects
// then steps its objects only, instead of the nine planets again in every group.
#pragma once

#include <cstddef>
#include <map>
#include <memory>
#include <vector>

#include "dynamics/step.h"
#include "survey/engine/epoch_planets.h"
#include "survey/io/survey_settings.h"

namespace survey {

// Steps the tables of one survey may hold together: 65,536 steps of 0.005 yr (327 years)
// take 66 MB. A leg beyond what is left is run by the groups themselves, planets and all.
inline constexpr size_t kMostTableSteps = 65536;

class PlanetTable {
 public:
  PlanetTable() = default;
  // The planets of `planets` stepped by the signed step h from their epoch until the
  // window's end in that direction is passed, as a run of the survey steps them. Empty
  // when that takes more than most_steps steps.
  PlanetTable(const EpochPlanets& planets, const SurveySettings& settings, double h, size_t most_steps);

  size_t steps() const { return planets_ == 0 ? 0 : at_end_.size() / static_cast<size_t>(planets_); }
  // Where step n (0 the first from the epoch) leaves the planets.
  dynamics::PlanetStep step(size_t n) const;

 private:
  int planets_ = 0;
  std::vector<dynamics::PlanetPlace> at_kick_, at_end_;  // step n, slot p at n * planets_ + p - 1
};

// The tables of the legs of one epoch: forward to the window's end, backward to its start
// (empty for a leg the window does not need).
struct LegTables {
  PlanetTable forward, backward;
};

// The tables of every epoch (by its Julian date) that more than one group of objects
// shares, those with the most objects first, while kMostTableSteps last; the other
// epochs get empty tables (their groups step the planets themselves, as one group
// would have to anyway).
std::map<double, LegTables> step_planets_of_epochs(const std::map<double, std::unique_ptr<EpochPlanets>>& planets,
                                                   const std::map<double, size_t>& objects_of_epoch,
                                                   const SurveySettings& settings);

}  // namespace survey
