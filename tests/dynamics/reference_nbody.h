// Independent reference for the dynamics tests: the heliocentric equations of motion of
// point masses around a central mass, integrated by classical fourth-order Runge-Kutta
// with a fixed small step. Written separately from the program's integrator.
#pragma once

#include <array>
#include <cmath>
#include <vector>

namespace reference {

struct Body {
  double gm;  // 0 for a test particle
  double x[3];
  double v[3];
};

// Heliocentric accelerations: the central mass (with the body's own mass), the direct
// pull of every other body and the indirect term of the Sun's reflex motion.
inline void accelerations(double gm_central, const std::vector<Body>& b,
                          std::vector<std::array<double, 3>>& acc) {
  const size_t n = b.size();
  acc.assign(n, {0.0, 0.0, 0.0});
  for (size_t i = 0; i < n; ++i) {
    const double r2 = b[i].x[0] * b[i].x[0] + b[i].x[1] * b[i].x[1] + b[i].x[2] * b[i].x[2];
    const double r3 = r2 * std::sqrt(r2);
    for (int c = 0; c < 3; ++c) acc[i][c] -= (gm_central + b[i].gm) * b[i].x[c] / r3;
    for (size_t j = 0; j < n; ++j) {
      if (j == i || b[j].gm == 0.0) continue;
      double d[3];
      for (int c = 0; c < 3; ++c) d[c] = b[j].x[c] - b[i].x[c];
      const double d2 = d[0] * d[0] + d[1] * d[1] + d[2] * d[2];
      const double d3 = d2 * std::sqrt(d2);
      const double rj2 = b[j].x[0] * b[j].x[0] + b[j].x[1] * b[j].x[1] + b[j].x[2] * b[j].x[2];
      const double rj3 = rj2 * std::sqrt(rj2);
      for (int c = 0; c < 3; ++c) acc[i][c] += b[j].gm * (d[c] / d3 - b[j].x[c] / rj3);
    }
  }
}

// Advances the bodies by `span` years in `steps` equal RK4 steps (span may be negative).
inline void rk4(double gm_central, std::vector<Body>& bodies, double span, long steps) {
  const double h = span / static_cast<double>(steps);
  const size_t n = bodies.size();
  std::vector<std::array<double, 3>> k1, k2, k3, k4;
  std::vector<Body> tmp;
  for (long s = 0; s < steps; ++s) {
    const std::vector<Body> y0 = bodies;
    accelerations(gm_central, y0, k1);
    auto stage = [&](const std::vector<std::array<double, 3>>& k, const std::vector<Body>& from,
                     double f) {
      tmp = y0;
      for (size_t i = 0; i < n; ++i)
        for (int c = 0; c < 3; ++c) {
          tmp[i].x[c] = y0[i].x[c] + f * h * from[i].v[c];
          tmp[i].v[c] = y0[i].v[c] + f * h * k[i][c];
        }
      return tmp;
    };
    const std::vector<Body> y1 = stage(k1, y0, 0.5);
    accelerations(gm_central, y1, k2);
    const std::vector<Body> y2 = stage(k2, y1, 0.5);
    accelerations(gm_central, y2, k3);
    const std::vector<Body> y3 = stage(k3, y2, 1.0);
    accelerations(gm_central, y3, k4);
    for (size_t i = 0; i < n; ++i)
      for (int c = 0; c < 3; ++c) {
        bodies[i].x[c] += h / 6.0 * (y0[i].v[c] + 2.0 * y1[i].v[c] + 2.0 * y2[i].v[c] + y3[i].v[c]);
        bodies[i].v[c] += h / 6.0 * (k1[i][c] + 2.0 * k2[i][c] + 2.0 * k3[i][c] + k4[i][c]);
      }
  }
}

}  // namespace reference
