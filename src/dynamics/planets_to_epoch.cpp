// Transfer of the planets to the run's epoch by a fourth-order composition of
// drift-kick-drift steps.
// Method: the triple jump of Yoshida (1990), Construction of higher order symplectic integrators.
#include "dynamics/planets_to_epoch.h"

#include <cmath>

#include "dynamics/drift.h"
#include "dynamics/shared_blocks.h"

namespace dynamics {
namespace {

// Kepler drift of every planet about the central mass by dt years.
void drift_planets(const SharedBlocks& blocks, Bodies& bodies, int npla, double dt) {
  for (int k = 1; k <= npla; ++k) {
    const double a = 1.0 / (2.0 / bodies.r[k] -
                            dot(bodies.v[k], bodies.v[k]) / (blocks.constants.gm_central + blocks.gm[k]));
    double e = 0.0;
    int refused = 0;  // planets never come near the refusal limit e > 0.99
    drift_ellipse(bodies.x[k], bodies.v[k], dt, bodies.r[k], a, e, refused, blocks.constants.gm_central,
                  blocks.gm[k]);
  }
}

// Velocity change over dt years from the other planets' pull and its indirect term.
void kick_planets(const SharedBlocks& blocks, Bodies& bodies, int npla, double dt) {
  SlotVectors indirect{};
  for (int j = 1; j <= npla; ++j) {
    const double r3 = bodies.r[j] * bodies.r[j] * bodies.r[j];
    for (int c = 0; c < 3; ++c) indirect[j][c] = bodies.x[j][c] / r3;
  }
  SlotVectors dv{};
  for (int k = 1; k <= npla; ++k) {
    for (int j = k + 1; j <= npla; ++j) {
      const Vec3 d = diff(bodies.x[j], bodies.x[k]);
      const double d2 = dot(d, d);
      const double d3 = d2 * std::sqrt(d2);
      for (int c = 0; c < 3; ++c) {
        dv[k][c] += blocks.gm[j] * (d[c] / d3 - indirect[j][c]);
        dv[j][c] += blocks.gm[k] * (-d[c] / d3 - indirect[k][c]);
      }
    }
  }
  for (int k = 1; k <= npla; ++k)
    for (int c = 0; c < 3; ++c) bodies.v[k][c] += dt * dv[k][c];
}

}  // namespace

void carry_planets_to_epoch(SharedBlocks& blocks, Bodies& bodies, double planet_epoch, double max_step_days) {
  const int npla = blocks.counts.planets;
  const double delta_days = blocks.epoch_jd - planet_epoch;
  if (delta_days == 0.0) return;
  const long steps = static_cast<long>(std::ceil(std::fabs(delta_days) / max_step_days));
  const double h = delta_days / kDaysPerYear / static_cast<double>(steps);
  // Triple jump: substeps w1 h, w0 h, w1 h with 2 w1 + w0 = 1 cancel the third-order error.
  const double cbrt2 = std::cbrt(2.0);
  const double w1 = 1.0 / (2.0 - cbrt2);
  const double w0 = -cbrt2 / (2.0 - cbrt2);
  const double substeps[3] = {w1 * h, w0 * h, w1 * h};
  // Consecutive half drifts are joined into one.
  drift_planets(blocks, bodies, npla, substeps[0] / 2.0);
  for (long step = 0; step < steps; ++step) {
    for (int s = 0; s < 3; ++s) {
      kick_planets(blocks, bodies, npla, substeps[s]);
      const double next = s < 2 ? substeps[s + 1] : (step + 1 < steps ? substeps[0] : 0.0);
      drift_planets(blocks, bodies, npla, (substeps[s] + next) / 2.0);
    }
  }
}

}  // namespace dynamics
