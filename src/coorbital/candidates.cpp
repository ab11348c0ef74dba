// The candidates of a planet by their semimajor axis.
// Method: the widest tadpole, sqrt(8 mu / 3), of Dermott & Murray (1981), Tadpole and horseshoe orbits I.
#include "coorbital/candidates.h"

#include <cmath>

#include "dynamics/constants.h"

namespace coorbital {

namespace {

const dynamics::PlanetRow& row_of(int planet) { return dynamics::kPlanetTable.at(static_cast<std::size_t>(planet - 1)); }

}  // namespace

double resonance_width(int planet) { return std::sqrt(8.0 * row_of(planet).mass / 3.0); }

double candidate_bound(int planet) { return kWidthsTaken * resonance_width(planet); }

double planet_semimajor_axis(int planet) { return row_of(planet).elements.a; }

std::vector<std::size_t> candidates(const std::vector<survey::SurveyObject>& objects, int planet) {
  const double a_planet = planet_semimajor_axis(planet);
  const double bound = candidate_bound(planet);
  std::vector<std::size_t> found;
  for (std::size_t n = 0; n < objects.size(); ++n) {
    if (std::fabs(objects[n].elements.a - a_planet) / a_planet < bound) found.push_back(n);
  }
  return found;
}

}  // namespace coorbital
