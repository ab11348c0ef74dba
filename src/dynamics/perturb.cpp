// The kick of the drift-kick-drift step and the encounter integration of the small body.
// Method: the kick of Wisdom & Holman (1991); the encounter zone in Hill radii, Hill (1878), Researches in
// the lunar theory.
#include "dynamics/perturb.h"

#include <cmath>

#include "dynamics/encounter_zone.h"
#include "dynamics/shared_blocks.h"
#include "dynamics/extrapolation.h"
#include "dynamics/pericentre_refinement.h"
#include "dynamics/step_rules.h"

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
  // The planet is the Earth–Moon barycentre pulling as the Earth and the Moon apart:
  // their places at the kick, and the planet of the step's encounter integrations.
  EarthAndMoon at_kick;
  EncounterPlanet encounter;
};

// Radial velocity of a pair from its separation, relative velocity and distance,
// positive when separating in the direction of the integration.
double radial_velocity(const Vec3& separation, const Vec3& relative_velocity, double d, double dt) {
  const double u = dot(separation, relative_velocity) / d;
  return dt < 0.0 ? -u : u;
}

// GM of the body the pericentre is refined about: the planet, or the Earth alone.
double centre_gm(const SharedBlocks& blocks, const PlanetTerms& pt) {
  return pt.encounter.earth_and_moon ? pt.mass * (1.0 - blocks.earth_moon->moon_share()) : pt.mass;
}

// Speed of a pass, AU/yr: at the pericentre, or for a collision where the two-body orbit
// meets the surface (the pericentre inside a body is no place of the path).
double speed_of_pass(const TwoBodyPericentre& peri, double gm, double radius, bool collision) {
  return collision ? std::sqrt(2.0 * (peri.energy + gm / radius)) : peri.speed;
}

// The record of body j's approach to planet p whose pericentre is peri, at Julian date
// jd: always a pass, and a record when within kRecordHillRadii.
void record_approach(const SharedBlocks& blocks, const Bodies& bodies, int p, int j, const PlanetTerms& pt,
                     const TwoBodyPericentre& peri, double jd, Encounters& encounters, bool& collided) {
  CloseApproach pass;
  pass.jd = jd;
  pass.dmin_rplan = peri.distance / bodies.radius[p];
  pass.energy = peri.energy;
  pass.planet = blocks.planet_number[blocks.start_slot[p]];
  pass.body = blocks.start_slot[j];
  pass.collision = peri.distance < bodies.radius[p];
  pass.vp_kms = speed_of_pass(peri, centre_gm(blocks, pt), bodies.radius[p], pass.collision) /
                blocks.constants.auyr_per_kms;
  encounters.passes.push_back(pass);
  collided = false;
  if (peri.distance > kRecordHillRadii * pt.hill) return;
  CloseApproach record = pass;
  record.vp_kms = peri.speed / blocks.constants.auyr_per_kms;
  if (record.vp_kms > kMaxSpeed) record.vp_kms = kMaxSpeed;
  if (record.energy < -kEnergyLimit) record.energy = -kEnergyClamp;
  if (record.energy > kEnergyLimit) record.energy = kEnergyClamp;
  collided = record.collision;
  encounters.approaches.push_back(record);
}

// The body's position and velocity relative to the planet of an encounter state, or to
// the Earth's centre when the planet is the Earth and the Moon apart (t years into the
// step), and then also relative to the Moon.
struct RelativeState {
  Vec3 position;
  Vec3 velocity;
};

struct RelativeStates {
  RelativeState centre;
  RelativeState moon;  // only with the Earth and the Moon apart
};

RelativeStates relative_states(const SharedBlocks& blocks, const EncounterPlanet& planet, const EncounterState& y,
                               double t) {
  RelativeStates r;
  r.centre = {{y[6] - y[0], y[7] - y[1], y[8] - y[2]}, {y[9] - y[3], y[10] - y[4], y[11] - y[5]}};
  if (!planet.earth_and_moon) return r;
  const double jd = planet.start_jd + t * kDaysPerYear;
  const EarthAndMoon place = blocks.earth_moon->places({y[0], y[1], y[2]}, jd);
  const EarthAndMoon speed = blocks.earth_moon->velocities({y[3], y[4], y[5]}, jd);
  const Vec3 body_x{y[6], y[7], y[8]}, body_v{y[9], y[10], y[11]};
  r.centre = {diff(body_x, place.earth), diff(body_v, speed.earth)};
  r.moon = {diff(body_x, place.moon), diff(body_v, speed.moon)};
  return r;
}

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
  const RelativeState start = relative_states(blocks, pt.encounter, substep_start, tau_start).centre;
  const TwoBodyPericentre peri = two_body_pericentre(centre_gm(blocks, pt), start.position, start.velocity);
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

// A pass of body j by the Moon during the substep that started at substep_start
// (tau_start into the step), seen as the turn of its radial velocity about the Moon at
// the substep's end (`now`): a pass record with the pericentre of the two-body orbit
// about the Moon; inside the Moon, the body goes with the planet's slot to the collision
// list.
void pass_the_moon(const SharedBlocks& blocks, Encounters& encounters, int p, int j, const PlanetTerms& pt,
                   const RelativeState& now, const EncounterState& substep_start, double tau_start, double dt,
                   double T) {
  const double u = radial_velocity(now.position, now.velocity, norm(now.position), dt);
  RadialSense& sense = encounters.moon_sense[blocks.start_slot[j]];
  const bool turned = sense == RadialSense::approaching && u >= 0.0;
  sense = u < 0.0 ? RadialSense::approaching : RadialSense::receding;
  if (!turned) return;
  const RelativeState start = relative_states(blocks, pt.encounter, substep_start, tau_start).moon;
  const EarthMoonSplit& split = *blocks.earth_moon;
  const double moon_radius = split.moon_radius();
  const TwoBodyPericentre peri = two_body_pericentre(pt.mass * split.moon_share(), start.position, start.velocity);
  CloseApproach pass;
  pass.jd = (T - dt + tau_start + peri.time_from_state) * kDaysPerYear + blocks.epoch_jd;
  pass.dmin_rplan = peri.distance / moon_radius;
  pass.energy = peri.energy;
  pass.planet = kMoonNumber;
  pass.body = blocks.start_slot[j];
  pass.collision = peri.distance < moon_radius;
  pass.vp_kms = speed_of_pass(peri, pt.mass * split.moon_share(), moon_radius, pass.collision) /
                blocks.constants.auyr_per_kms;
  encounters.passes.push_back(pass);
  SlotList& pairs = encounters.collision_pairs;
  if (pass.collision && !pairs.contains(j)) {
    pairs.append(p);
    pairs.append(j);
  }
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
    extrapolation_step(blocks, pt.encounter, H, kEncounterTolerance, tau, y, distance);
    const RelativeStates now = relative_states(blocks, pt.encounter, y, tau);
    const double d = norm(now.centre.position);
    const double u = radial_velocity(now.centre.position, now.centre.velocity, d, dt);
    if (pt.encounter.earth_and_moon) {
      pass_the_moon(blocks, encounters, p, j, pt, now.moon, substep_start, tau_start, dt, T);
    }
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
    extrapolation_step(blocks, pt.encounter, H, kEncounterTolerance, tau, y, distance);
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
PlanetTerms planet_terms(const SharedBlocks& blocks, const Bodies& bodies, Encounters& encounters, int p, double dt,
                         double T) {
  PlanetTerms pt;
  pt.mass = blocks.gm[p];
  pt.encounter.gm = pt.mass;
  pt.encounter.earth_and_moon = blocks.earth_moon && blocks.planet_number[blocks.start_slot[p]] == kEarthNumber;
  pt.encounter.start_jd = blocks.epoch_jd + (T - dt) * kDaysPerYear;
  if (pt.encounter.earth_and_moon) {
    pt.at_kick = blocks.earth_moon->places(bodies.x[p], blocks.epoch_jd + (T - dt / 2.0) * kDaysPerYear);
  }
  double& hill_factor = encounters.hill_factor[blocks.start_slot[p]];
  if (hill_factor == 0.0) hill_factor = std::pow(pt.mass / (3.0 * blocks.constants.gm_central), 0.3333333333333);
  pt.hill = bodies.r[p] * hill_factor;
  const double r3 = bodies.r[p] * bodies.r[p] * bodies.r[p];
  for (int c = 0; c < 3; ++c) pt.indirect[c] = pt.mass * bodies.x[p][c] / r3;
  return pt;
}

// The kick of the Earth and the Moon, each at its place, on a small body at x.
void kick_by_earth_and_moon(const SharedBlocks& blocks, const Vec3& x, const PlanetTerms& pt, double dt, Vec3& dv) {
  const Vec3 to_earth = diff(pt.at_kick.earth, x);
  const Vec3 to_moon = diff(pt.at_kick.moon, x);
  const double de = norm(to_earth), dm = norm(to_moon);
  const double moon_share = blocks.earth_moon->moon_share();
  const double earth_gm = pt.mass * (1.0 - moon_share), moon_gm = pt.mass * moon_share;
  for (int c = 0; c < 3; ++c) {
    dv[c] += dt * (earth_gm * to_earth[c] / (de * de * de) + moon_gm * to_moon[c] / (dm * dm * dm) - pt.indirect[c]);
  }
}

// The pulls of planet p on the small bodies still in the run: a plain kick added to dv
// for those far from it over the whole step, an encounter integration for the others.
void kick_small_bodies(const SharedBlocks& blocks, Bodies& bodies, Encounters& encounters, int p,
                       const PlanetTerms& pt, double dt, double T, SlotVectors& dv, SlotVectors& end_position) {
  for (int j = blocks.counts.planets + 1; j <= blocks.counts.total; ++j) {
    if (encounters.removal.contains(j)) continue;
    const PairGeometry pair{diff(bodies.x[p], bodies.x[j]), diff(bodies.x0[p], bodies.x0[j]),
                            diff(bodies.v[p], bodies.v[j])};
    const Vec3& sep = pair.separation;
    const double d = norm(sep);
    const bool surely_outside =
        surely_outside_encounter_zone(kScalar, dot(sep, sep), dot(pair.start_separation, pair.start_separation),
                                      dot(pair.relative_velocity, pair.relative_velocity), pt.hill, dt);
    if (surely_outside || outside_encounter_zone(pair, d, pt.hill, dt)) {
      if (pt.encounter.earth_and_moon) {
        kick_by_earth_and_moon(blocks, bodies.x[j], pt, dt, dv[j]);
        continue;
      }
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

// The kicks of the small bodies by the planets where they stand; the planets' terms
// are left in `planet`.
void kick_every_small_body(SharedBlocks& blocks, Bodies& bodies, Encounters& encounters, double dt, double T,
                           std::array<PlanetTerms, kMaxBodies + 1>& planet) {
  encounters.collision_pairs.clear();
  encounters.encounter.clear();
  encounters.carry_over.clear();
  // Only the small bodies' entries of dv are read; end positions only of bodies whose
  // encounter stored one; planet terms only of slots 1..counts.planets.
  SlotVectors dv;
  for (int j = blocks.counts.planets + 1; j <= blocks.counts.total; ++j) dv[j] = {0.0, 0.0, 0.0};
  SlotVectors end_position;
  for (int p = 1; p <= blocks.counts.planets; ++p) {
    planet[p] = planet_terms(blocks, bodies, encounters, p, dt, T);
    kick_small_bodies(blocks, bodies, encounters, p, planet[p], dt, T, dv, end_position);
  }
  apply_small_body_kicks(blocks, bodies, encounters, dv, end_position);
}

}  // namespace

void perturb(SharedBlocks& blocks, Bodies& bodies, Encounters& encounters, double dt, double T) {
  std::array<PlanetTerms, kMaxBodies + 1> planet;
  kick_every_small_body(blocks, bodies, encounters, dt, T, planet);
  kick_planets(blocks, bodies, planet, dt);
}

void kick_small_bodies_only(SharedBlocks& blocks, Bodies& bodies, Encounters& encounters, double dt, double T) {
  std::array<PlanetTerms, kMaxBodies + 1> planet;
  kick_every_small_body(blocks, bodies, encounters, dt, T, planet);
}

}  // namespace dynamics
