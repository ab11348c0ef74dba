// Stepping the planets once per epoch and leg.
#include "survey/planet_table.h"

#include "dynamics/drift_bodies.h"
#include "dynamics/encounter_lists.h"

namespace survey {
namespace {

void keep(const dynamics::SharedBlocks& blocks, const dynamics::Bodies& bodies,
          std::vector<dynamics::PlanetPlace>& places) {
  for (int p = 1; p <= blocks.counts.planets; ++p) places.push_back({bodies.x[p], bodies.v[p], bodies.r[p]});
}

}  // namespace

PlanetTable::PlanetTable(const EpochPlanets& planets, const SurveySettings& settings, double h) {
  dynamics::SharedBlocks blocks = planets.blocks;
  dynamics::Bodies bodies = planets.bodies;
  dynamics::Encounters encounters;
  dynamics::start_run(encounters);
  const int count = blocks.counts.planets;
  const double end_jd = h > 0.0 ? settings.to_jd : settings.from_jd;
  double T = 0.0;
  for (size_t n = 0; n < kMostTableSteps; ++n) {
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

LegTables step_planets_over_legs(const EpochPlanets& planets, const SurveySettings& settings) {
  LegTables tables;
  const double h = kSurveyClass.step;
  if (settings.to_jd > planets.blocks.epoch_jd) tables.forward = PlanetTable(planets, settings, h);
  if (settings.from_jd < planets.blocks.epoch_jd) tables.backward = PlanetTable(planets, settings, -h);
  return tables;
}

}  // namespace survey
