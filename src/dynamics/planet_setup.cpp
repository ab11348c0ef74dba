// Integration class and initial states of the planets and the small bodies.
#include "dynamics/planet_setup.h"

#include <cmath>

#include "dynamics/conic.h"
#include "dynamics/shared_blocks.h"

namespace dynamics {
namespace {

// Central mass factors: the Sun with Mercury, and the Sun with Mercury to Mars.
constexpr double kSunAndMercury = 1.000000166;
constexpr double kSunAndInnerPlanets = 1.000005976;
// The small body's number in planet_number.
constexpr int kSmallBodyNumber = 10;
constexpr double kMinInclinationDeg = 0.00001;

// State at time t (years of JD) of a body with the given table-style elements, its
// mean anomaly referred to epoch_jd with mean motion n.
void state_from_elements(const SharedBlocks& blocks, const OrbitalElements& el, double n, double epoch_jd,
                         double gm_body, Vec3& X, Vec3& V) {
  Conic conic;
  // Given a semiaxis a > 0 with e > 1 (typed by hand), a(1 - e) would be a negative
  // perihelion distance and every coordinate NaN: take the hyperbola of semiaxis a.
  conic.q = el.e > 1.0 ? el.a * (el.e - 1.0) : el.a * (1.0 - el.e);
  conic.e = el.e;
  conic.i = el.i * kDegToRad;
  conic.node = el.node * kDegToRad;
  conic.peri = el.peri * kDegToRad;
  conic.tau = (epoch_jd - kDaysPerYear * (el.m * kDegToRad) / n) / kDaysPerYear;
  state_from_conic(blocks.constants.gm_central, conic, epoch_jd / kDaysPerYear, X, V, gm_body);
}

}  // namespace

IntegrationClass integration_class(double q, int ipl) {
  IntegrationClass klass;
  if (q > 1.2 && ipl >= 3) klass = {2, kSunAndMercury, 0.01};
  if (q > 3.0 && ipl >= 4) klass = {2, kSunAndMercury, 0.02};
  if (q > 4.0 && ipl >= 5) klass = {5, kSunAndInnerPlanets, q > 6.0 ? 0.1 : 0.05};
  if (q > 11.0 && ipl >= 6) klass = {5, kSunAndInnerPlanets, 0.2};
  return klass;
}

int planet_slot(const IntegrationClass& klass, int planet) { return planet - klass.first_planet + 1; }

int object_slot(const IntegrationClass& klass) { return planet_slot(klass, kPlanetCount) + 1; }

void setup_planets(SharedBlocks& blocks, Bodies& bodies, const IntegrationClass& klass) {
  for (int planet = klass.first_planet; planet <= kPlanetCount; ++planet) {
    const int u = planet_slot(klass, planet);
    const PlanetRow& row = kPlanetTable[static_cast<size_t>(planet - 1)];
    blocks.planet_number[u] = planet;
    const double reciprocal_mass = 1.0 / row.mass;
    blocks.gm[u] = blocks.constants.k2 / reciprocal_mass;
    bodies.radius[u] = row.radius_km * kKmToAu;
    bodies.epoch[u] = kPlanetEpochJd;
    const double a = row.elements.a;
    const double n = std::sqrt((klass.central_mass + row.mass) * blocks.constants.k2 / (a * a * a));
    state_from_elements(blocks, row.elements, n, kPlanetEpochJd, blocks.gm[u], bodies.x[u], bodies.v[u]);
    bodies.r[u] = norm(bodies.x[u]);
  }
  blocks.counts.planets = planet_slot(klass, kPlanetCount);
  blocks.counts.total = blocks.counts.planets;
  for (int slot = 1; slot <= kMaxBodies; ++slot) blocks.start_slot[slot] = slot;
}

int add_small_body(SharedBlocks& blocks, Bodies& bodies, const OrbitalElements& object) {
  const int k = blocks.counts.total + 1;
  blocks.planet_number[k] = kSmallBodyNumber;
  bodies.epoch[k] = blocks.epoch_jd;
  // An orbit in the ecliptic itself has no node: tilt it by the smallest inclination.
  OrbitalElements tilted = object;
  if (tilted.i < kMinInclinationDeg) tilted.i = kMinInclinationDeg;
  const double n = std::sqrt(blocks.constants.gm_central / (object.a * object.a * object.a));
  state_from_elements(blocks, tilted, n, blocks.epoch_jd, 0.0, bodies.x[k], bodies.v[k]);
  bodies.r[k] = norm(bodies.x[k]);
  blocks.gm[k] = 0.0;
  bodies.radius[k] = 0.0;
  blocks.counts.total = k;
  return k;
}

}  // namespace dynamics
