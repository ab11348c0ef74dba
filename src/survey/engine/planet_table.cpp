// Stepping the planets once per epoch and leg.
#include "survey/engine/planet_table.h"

#include <algorithm>
#include <utility>

#include "dynamics/drift_bodies.h"
#include "dynamics/shared_blocks.h"
#include "dynamics/encounter_lists.h"

namespace survey {
namespace {

void keep(const dynamics::SharedBlocks& blocks, const dynamics::Bodies& bodies,
          std::vector<dynamics::PlanetPlace>& places) {
  for (int p = 1; p <= blocks.counts.planets; ++p) places.push_back({bodies.x[p], bodies.v[p], bodies.r[p]});
}

}  // namespace

PlanetTable::PlanetTable(const EpochPlanets& planets, const SurveySettings& settings, double h, size_t most_steps) {
  dynamics::SharedBlocks blocks = planets.blocks;
  dynamics::Bodies bodies = planets.bodies;
  dynamics::Encounters encounters;
  dynamics::start_run(encounters);
  const int count = blocks.counts.planets;
  const double end_jd = h > 0.0 ? settings.to_jd : settings.from_jd;
  double T = 0.0;
  for (size_t n = 0; n < most_steps; ++n) {
    // The first half drift alone, on a copy: where the kick of the step finds the planets.
    dynamics::SharedBlocks half_blocks = blocks;
    dynamics::Bodies half_bodies = bodies;
    dynamics::Encounters half_encounters = encounters;
    dynamics::drift_bodies(half_blocks, half_bodies, half_encounters, h / 2.0, dynamics::kBeforeKick);
    keep(half_blocks, half_bodies, at_kick_);
    dynamics::take_step(blocks, bodies, encounters, T, h);
    if (blocks.counts.planets != count) break;  // a planet lost: no table
    keep(blocks, bodies, at_end_);
    const double jd = blocks.epoch_jd + T * dynamics::kDaysPerYear;
    if (h > 0.0 ? jd >= end_jd : jd <= end_jd) {
      planets_ = count;
      return;
    }
  }
  at_kick_.clear();
  at_end_.clear();
}

dynamics::PlanetStep PlanetTable::step(size_t n) const {
  const size_t first = n * static_cast<size_t>(planets_);
  return {&at_kick_[first], &at_end_[first]};
}

namespace {

// step_budget: the steps the tables may still take; what they take is deducted.
LegTables step_planets_over_legs(const EpochPlanets& planets, const SurveySettings& settings, size_t& step_budget) {
  LegTables tables;
  const double h = kSurveyClass.step;
  if (settings.to_jd > planets.blocks.epoch_jd) {
    tables.forward = PlanetTable(planets, settings, h, step_budget);
    step_budget -= tables.forward.steps();
  }
  if (settings.from_jd < planets.blocks.epoch_jd) {
    tables.backward = PlanetTable(planets, settings, -h, step_budget);
    step_budget -= tables.backward.steps();
  }
  return tables;
}

}  // namespace

std::map<double, LegTables> step_planets_of_epochs(const std::map<double, std::unique_ptr<EpochPlanets>>& planets,
                                                   const std::map<double, size_t>& objects_of_epoch,
                                                   const SurveySettings& settings) {
  std::vector<std::pair<size_t, double>> by_size;  // objects, epoch
  for (const auto& [epoch, count] : objects_of_epoch) by_size.emplace_back(count, epoch);
  std::sort(by_size.rbegin(), by_size.rend());
  std::map<double, LegTables> tables;
  size_t step_budget = kMostTableSteps;
  for (const auto& [count, epoch] : by_size) {
    const bool shared = count > static_cast<size_t>(kGroupSize);
    tables[epoch] = shared ? step_planets_over_legs(*planets.at(epoch), settings, step_budget) : LegTables{};
  }
  return tables;
}

}  // namespace survey
