// Modified midpoint rule with polynomial extrapolation for planetary encounters.
// Method: Gragg (1965), On extrapolation algorithms for ordinary initial value problems, extrapolated as in
// Bulirsch & Stoer (1966), but by polynomials in h^2 over halved steps.
#include "dynamics/extrapolation.h"
#include "dynamics/shared_blocks.h"

#include <algorithm>
#include <cmath>

namespace dynamics {

void accelerations(const SharedBlocks& blocks, const EncounterPlanet& planet, double t, const EncounterState& y,
                   EncounterState& dydt, double& distance) {
  const double mu = blocks.constants.gm_central;
  const double m = planet.gm;
  const double* P = &y[0];
  const double* B = &y[6];
  double delta[3];
  for (int c = 0; c < 3; ++c) delta[c] = P[c] - B[c];
  const double d = std::sqrt(delta[0] * delta[0] + delta[1] * delta[1] + delta[2] * delta[2]);
  const double rp = std::sqrt(P[0] * P[0] + P[1] * P[1] + P[2] * P[2]);
  const double rb = std::sqrt(B[0] * B[0] + B[1] * B[1] + B[2] * B[2]);
  const double d3 = d * d * d, rp3 = rp * rp * rp, rb3 = rb * rb * rb;
  for (int c = 0; c < 3; ++c) {
    dydt[c] = y[3 + c];
    dydt[3 + c] = -mu * P[c] / rp3;
    dydt[6 + c] = y[9 + c];
    dydt[9 + c] = m * delta[c] / d3 - mu * B[c] / rb3 - m * P[c] / rp3;
  }
  distance = d;
  if (!planet.earth_and_moon) return;
  // The barycentre's direct pull replaced by the Earth's and the Moon's.
  const EarthMoonSplit& split = *blocks.earth_moon;
  const EarthAndMoon places = split.places({P[0], P[1], P[2]}, planet.start_jd + t * kDaysPerYear);
  const Vec3 to_earth = diff(places.earth, {B[0], B[1], B[2]});
  const Vec3 to_moon = diff(places.moon, {B[0], B[1], B[2]});
  const double de = norm(to_earth), dm = norm(to_moon);
  const double moon_share = split.moon_share();
  const double earth_gm = m * (1.0 - moon_share), moon_gm = m * moon_share;
  for (int c = 0; c < 3; ++c) {
    dydt[9 + c] += earth_gm * to_earth[c] / (de * de * de) + moon_gm * to_moon[c] / (dm * dm * dm) -
                   m * delta[c] / d3;
  }
}

void modified_midpoint(const SharedBlocks& blocks, const EncounterPlanet& planet, int m, double h, double t,
                       const EncounterState& y0, EncounterState& out, double& distance) {
  const double half = h / 2.0;
  EncounterState previous = y0;  // z_{n-1}
  EncounterState current;        // z_n
  EncounterState f;
  accelerations(blocks, planet, t, y0, f, distance);
  for (int i = 0; i < kEncounterVariables; ++i) current[i] = y0[i] + half * f[i];
  double time = t + half;
  for (int n = 1; n < 2 * m; ++n) {
    accelerations(blocks, planet, time, current, f, distance);
    for (int i = 0; i < kEncounterVariables; ++i) {
      const double next = previous[i] + h * f[i];
      previous[i] = current[i];
      current[i] = next;
    }
    time += half;
  }
  accelerations(blocks, planet, time, current, f, distance);
  for (int i = 0; i < kEncounterVariables; ++i) out[i] = 0.5 * (current[i] + previous[i] + half * f[i]);
}

void extrapolation_step(const SharedBlocks& blocks, const EncounterPlanet& planet, double H, double tolerance, double& t,
                        EncounterState& y, double& distance) {
  // Latest entry of each extrapolation column, per variable (rows 1..stages+1).
  constexpr int kRows = 20;
  std::array<EncounterState, kRows + 1> table;
  const double first_divisor = std::ldexp(1.0, blocks.extrapolation.first_divisor_exp);
  const double growth = std::ldexp(1.0, blocks.extrapolation.growth_exp);
  double h = H;
  int m = 1;
  int last_row = 1;
  for (int k = 0; k <= blocks.extrapolation.max_stage; ++k) {
    EncounterState estimate;
    modified_midpoint(blocks, planet, m, h, t, y, estimate, distance);
    if (k == 0) {
      table[1] = estimate;
    } else {
      const int columns = std::min(k, blocks.extrapolation.max_column);
      double error = 0.0;
      for (int i = 0; i < kEncounterVariables; ++i) {
        double C = estimate[i];
        table[k + 1][i] = C;
        double D = first_divisor;
        double change = 0.0;
        for (int j = 1; j <= columns; ++j) {
          change = (C - table[k + 1 - j][i]) / (D - 1.0);
          C += change;
          table[k + 1 - j][i] = C;
          D *= growth;
        }
        error = std::max(error, std::fabs(change));
      }
      last_row = k + 1 - columns;
      if (error <= tolerance) break;
    }
    h /= 2.0;
    m *= 2;
  }
  t += H;
  y = table[last_row];
}

}  // namespace dynamics
