// The kick of the drift-kick-drift step and the encounter integration of the small body.
#include "dynamics/perturb.h"

#include <cmath>

#include "dynamics/extrapolation.h"
#include "dynamics/pericentre_refinement.h"

namespace dynamics {
namespace {

constexpr double kEncounterTolerance = 1e-10;
// A pericentre within this many Hill radii is a close approach worth a record.
constexpr double kRecordHillRadii = 2.1;
// Single-precision limits of the record fields.
constexpr double kMaxSpeed = static_cast<double>(99.99f);
constexpr double kEnergyLimit = static_cast<double>(99.9f);
constexpr double kEnergyClamp = static_cast<double>(99.999f);

struct PlanetTerms {
  double mass;       // GM of the planet
  double hill;       // Hill radius, AU
  Vec3 indirect;     // m x / r^3, the pull of the planet on the Sun
};

// Radial velocity of a pair from its separation, relative velocity and distance,
// positive when separating in the direction of the integration.
double radial_velocity(const Vec3& separation, const Vec3& relative_velocity, double d, double dt) {
  const double u = dot(separation, relative_velocity) / d;
  return dt < 0.0 ? -u : u;
}

// The record of body j's approach to planet p whose pericentre is peri, at Julian date
// jd: always a pass, and a record when within kRecordHillRadii.
void record_approach(const SharedBlocks& blocks, const Bodies& bodies, int p, int j, const PlanetTerms& pt,
                     const TwoBodyPericentre& peri, double jd, Encounters& encounters, bool& collided) {
  CloseApproach pass;
  pass.jd = jd;
  pass.dmin_rplan = peri.distance / bodies.radius[p];
  pass.vp_kms = peri.speed / blocks.constants.auyr_per_kms;
  pass.energy = peri.energy;
  pass.planet = blocks.planet_number[blocks.start_slot[p]];
  pass.body = blocks.start_slot[j];
  pass.collision = peri.distance < bodies.radius[p];
  encounters.passes.push_back(pass);
  collided = false;
  if (peri.distance > kRecordHillRadii * pt.hill) return;
  CloseApproach record = pass;
  if (record.vp_kms > kMaxSpeed) record.vp_kms = kMaxSpeed;
  if (record.energy < -kEnergyLimit) record.energy = -kEnergyClamp;
  if (record.energy > kEnergyLimit) record.energy = kEnergyClamp;
  collided = record.collision;
  encounters.approaches.push_back(record);
}

Vec3 planetocentric_position(const EncounterState& y) { return {y[6] - y[0], y[7] - y[1], y[8] - y[2]}; }

Vec3 planetocentric_velocity(const EncounterState& y) { return {y[9] - y[3], y[10] - y[4], y[11] - y[5]}; }

// The record of a closest approach passed during the substep that started at
// substep_start (tau_start into the step); on a collision, the pair goes to the
// collision list. Returns whether the body collided, and sets repeated when one of the
// pair had already collided in this step.
bool pass_closest_approach(const SharedBlocks& blocks, const Bodies& bodies, Encounters& encounters, int p, int j,
                           const PlanetTerms& pt, const EncounterState& substep_start, double tau_start, double dt,
                           double T, bool& repeated) {
  // Closest approach passed during this substep, or, on the first substep of a step,
  // during the unchecked last substep of the step before. Its time and distance are
  // those of the two-body orbit about the planet from the substep's start.
  const TwoBodyPericentre peri =
      two_body_pericentre(pt.mass, planetocentric_position(substep_start), planetocentric_velocity(substep_start));
  const double jd = (T - dt + tau_start + peri.time_from_state) * kDaysPerYear + blocks.epoch_jd;
  bool collided = false;
  record_approach(blocks, bodies, p, j, pt, peri, jd, encounters, collided);
  repeated = false;
  if (!collided) return false;
  SlotList& pairs = encounters.collision_pairs;
  if (pairs.contains(p) || pairs.contains(j)) {
    repeated = true;
  } else {
    pairs.append(p);
    pairs.append(j);
  }
  return true;
}

// The start of an encounter integration: planet p and body j at the start of the step.
EncounterState encounter_start(const Bodies& bodies, int p, int j) {
  EncounterState y;
  for (int c = 0; c < 3; ++c) {
    y[c] = bodies.x0[p][c];
    y[3 + c] = bodies.v0[p][c];
    y[6 + c] = bodies.x0[j][c];
    y[9 + c] = bodies.v0[j][c];
  }
  return y;
}

// Integrates body j together with planet p over the whole step from their states at
// its start. Adds the body's end velocity to dv and sets its end position, unless a
// repeated collision leaves it alone. Returns true when the end state was stored.
bool integrate_encounter(const SharedBlocks& blocks, const Bodies& bodies, Encounters& encounters,
                         int p, int j, const PlanetTerms& pt, double dt, double T, Vec3& dv,
                         Vec3& end_position) {
  EncounterState y = encounter_start(bodies, p, j);
  RadialSense& sense = encounters.sense[blocks.start_slot[j]];
  double tau = 0.0;
  double H = dt / 10.0;
  double distance = 0.0;
  for (;;) {
    const EncounterState substep_start = y;
    const double tau_start = tau;
    extrapolation_step(blocks, pt.mass, H, kEncounterTolerance, tau, y, distance);
    const Vec3 rho = planetocentric_position(y);
    const double d = norm(rho);
    const double u = radial_velocity(rho, planetocentric_velocity(y), d, dt);
    bool repeated = false;
    if (sense == RadialSense::approaching && u >= 0.0 &&
        pass_closest_approach(blocks, bodies, encounters, p, j, pt, substep_start, tau_start, dt, T, repeated)) {
      if (repeated) return false;
      break;
    }
    sense = u < 0.0 ? RadialSense::approaching : RadialSense::receding;
    H = (d / bodies.r[p]) * dt;
    if (std::fabs(tau + H) < std::fabs(dt)) continue;
    H = dt - tau;
    extrapolation_step(blocks, pt.mass, H, kEncounterTolerance, tau, y, distance);
    if (distance < 2.0 * pt.hill) encounters.carry_over.append(blocks.start_slot[j]);
    break;
  }
  for (int c = 0; c < 3; ++c) {
    end_position[c] = y[6 + c];
    dv[c] += y[9 + c];
  }
  return true;
}

// The terms of the planet in slot p for this step. The cube root of the mass ratio is
// the same at every step: computed once per run.
PlanetTerms planet_terms(const SharedBlocks& blocks, const Bodies& bodies, Encounters& encounters, int p) {
  PlanetTerms pt;
  pt.mass = blocks.gm[p];
  double& hill_factor = encounters.hill_factor[blocks.start_slot[p]];
  if (hill_factor == 0.0) hill_factor = std::pow(pt.mass / (3.0 * blocks.constants.gm_central), 0.3333333333333);
  pt.hill = bodies.r[p] * hill_factor;
  const double r3 = bodies.r[p] * bodies.r[p] * bodies.r[p];
  for (int c = 0; c < 3; ++c) pt.indirect[c] = pt.mass * bodies.x[p][c] / r3;
  return pt;
}

// The pulls of planet p on the small bodies still in the run: a plain kick added to dv
// for those far from it over the whole step, an encounter integration for the others.
void kick_small_bodies(const SharedBlocks& blocks, Bodies& bodies, Encounters& encounters, int p,
                       const PlanetTerms& pt, double dt, double T, SlotVectors& dv, SlotVectors& end_position) {
  for (int j = blocks.counts.planets + 1; j <= blocks.counts.total; ++j) {
    if (encounters.removal.contains(j)) continue;
    const Vec3 sep = diff(bodies.x[p], bodies.x[j]);
    const double d = norm(sep);
    const double d0 = norm(diff(bodies.x0[p], bodies.x0[j]));
    const double u = radial_velocity(sep, diff(bodies.v[p], bodies.v[j]), d, dt);
    if (d > pt.hill * (3.0 + std::fabs(u * dt) / pt.hill) && d0 > 3.0 * pt.hill) {
      const double d3 = d * d * d;
      for (int c = 0; c < 3; ++c) dv[j][c] += dt * (pt.mass * sep[c] / d3 - pt.indirect[c]);
    } else {
      encounters.pairs.push_back({blocks.planet_number[blocks.start_slot[p]], blocks.start_slot[j]});
      if (integrate_encounter(blocks, bodies, encounters, p, j, pt, dt, T, dv[j], end_position[j])) {
        bodies.r[j] = norm(end_position[j]);
        encounters.encounter.append(blocks.start_slot[j]);
      }
    }
  }
}

// The summed kicks of the small bodies; a body whose step came from an encounter
// integration takes its end state from it instead.
void apply_small_body_kicks(const SharedBlocks& blocks, Bodies& bodies, const Encounters& encounters,
                            const SlotVectors& dv, const SlotVectors& end_position) {
  for (int j = blocks.counts.planets + 1; j <= blocks.counts.total; ++j) {
    for (int c = 0; c < 3; ++c) bodies.v[j][c] += dv[j][c];
    if (encounters.encounter.contains(blocks.start_slot[j])) {
      bodies.v[j] = dv[j];
      bodies.x[j] = end_position[j];
    }
  }
}

// The planets' pulls on each other, with their indirect terms.
void kick_planets(const SharedBlocks& blocks, Bodies& bodies, const std::array<PlanetTerms, kMaxBodies + 1>& planet,
                  double dt) {
  const int npla = blocks.counts.planets;
  for (int p = 1; p <= npla; ++p) {
    for (int q = p + 1; q <= npla; ++q) {
      const Vec3 D = diff(bodies.x[p], bodies.x[q]);
      const double dist = norm(D);
      const double d3 = dist * dist * dist;
      for (int c = 0; c < 3; ++c) {
        bodies.v[q][c] += dt * (planet[p].mass * D[c] / d3 - planet[p].indirect[c]);
        bodies.v[p][c] += dt * (-planet[q].mass * D[c] / d3 - planet[q].indirect[c]);
      }
    }
  }
}

}  // namespace

void perturb(SharedBlocks& blocks, Bodies& bodies, Encounters& encounters, double dt, double T) {
  encounters.collision_pairs.clear();
  encounters.encounter.clear();
  encounters.carry_over.clear();
  // Only the small bodies' entries of dv are read; end positions only of bodies whose
  // encounter stored one; planet terms only of slots 1..counts.planets.
  SlotVectors dv;
  for (int j = blocks.counts.planets + 1; j <= blocks.counts.total; ++j) dv[j] = {0.0, 0.0, 0.0};
  SlotVectors end_position;
  std::array<PlanetTerms, kMaxBodies + 1> planet;
  for (int p = 1; p <= blocks.counts.planets; ++p) {
    planet[p] = planet_terms(blocks, bodies, encounters, p);
    kick_small_bodies(blocks, bodies, encounters, p, planet[p], dt, T, dv, end_position);
  }
  apply_small_body_kicks(blocks, bodies, encounters, dv, end_position);
  kick_planets(blocks, bodies, planet, dt);
}

}  // namespace dynamics
