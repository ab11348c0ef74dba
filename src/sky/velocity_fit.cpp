// Gauss–Newton fit of the planets' starting velocities. The residuals come from the
// model's own carry of all the planets together; the partial derivatives of a planet's
// positions with respect to its starting velocity come from its Kepler orbit alone,
// which is close enough for the iterations to converge and costs one carry per
// iteration instead of one per fitted component.
#include "sky/velocity_fit.h"

#include <Eigen/Dense>
#include <array>
#include <vector>

#include "dynamics/drift.h"
#include "dynamics/shared_blocks.h"
#include "dynamics/planets_to_epoch.h"
#include "sky/series_planets.h"

namespace sky {
namespace {

constexpr int kSamples = 2 * kFitSamplesPerSide;
// Relative change of a velocity component for the Kepler partials.
constexpr double kPartialStep = 1e-7;

using SamplePositions = std::array<dynamics::Vec3, kSamples>;

// Sample dates: the forward ones in increasing distance from the epoch, then the
// backward ones likewise.
std::array<double, kSamples> sample_dates(double epoch_jd) {
  std::array<double, kSamples> dates{};
  const double spacing = kFitSpanDays / kFitSamplesPerSide;
  for (int j = 0; j < kFitSamplesPerSide; ++j) {
    dates[j] = epoch_jd + spacing * (j + 1);
    dates[kFitSamplesPerSide + j] = epoch_jd - spacing * (j + 1);
  }
  return dates;
}

// Positions of every planet slot at the sample dates, the planets carried together from
// the epoch as the model carries them.
std::vector<SamplePositions> carried_positions(const dynamics::SharedBlocks& blocks, const dynamics::Bodies& bodies,
                                               const std::array<double, kSamples>& dates) {
  std::vector<SamplePositions> positions(blocks.counts.planets + 1);
  for (const int side : {0, kFitSamplesPerSide}) {
    dynamics::SharedBlocks moving_blocks = blocks;
    dynamics::Bodies moving = bodies;
    double from = blocks.epoch_jd;
    for (int j = side; j < side + kFitSamplesPerSide; ++j) {
      moving_blocks.epoch_jd = dates[j];
      dynamics::carry_planets_to_epoch(moving_blocks, moving, from);
      from = moving_blocks.epoch_jd;
      for (int k = 1; k <= blocks.counts.planets; ++k) positions[k][j] = moving.x[k];
    }
  }
  return positions;
}

// Position of a body on its Kepler orbit dt years after the state X, V.
dynamics::Vec3 kepler_position(const dynamics::SharedBlocks& blocks, int slot, dynamics::Vec3 X, dynamics::Vec3 V,
                               double dt) {
  double r = dynamics::norm(X);
  const double a = dynamics::semimajor_axis(blocks.constants.gm_central, blocks.gm[slot], r, V);
  double e = 0.0;
  int refused = 0;  // planets never come near the refusal limit e > 0.99
  dynamics::drift_ellipse(X, V, dt, r, a, e, refused, blocks.constants.gm_central, blocks.gm[slot]);
  return X;
}

// Velocity correction of one planet from its residuals at the samples (series minus
// carried), by least squares on its Kepler partials.
dynamics::Vec3 velocity_correction(const dynamics::SharedBlocks& blocks, const dynamics::Bodies& bodies, int slot,
                                   const std::array<double, kSamples>& dates, const SamplePositions& series,
                                   const SamplePositions& carried) {
  const dynamics::Vec3& X = bodies.x[slot];
  const dynamics::Vec3& V = bodies.v[slot];
  const double step = kPartialStep * dynamics::norm(V);
  Eigen::Matrix<double, 3 * kSamples, 3> partials;
  Eigen::Matrix<double, 3 * kSamples, 1> residuals;
  for (int j = 0; j < kSamples; ++j) {
    const double dt = (dates[j] - blocks.epoch_jd) / dynamics::kDaysPerYear;
    const dynamics::Vec3 base = kepler_position(blocks, slot, X, V, dt);
    for (int c = 0; c < 3; ++c) {
      dynamics::Vec3 nudged = V;
      nudged[c] += step;
      const dynamics::Vec3 moved = kepler_position(blocks, slot, X, nudged, dt);
      for (int d = 0; d < 3; ++d) partials(3 * j + d, c) = (moved[d] - base[d]) / step;
    }
    for (int d = 0; d < 3; ++d)
      residuals(3 * j + d) = series[j][d] - carried[j][d];
  }
  const Eigen::Vector3d dv = partials.colPivHouseholderQr().solve(residuals);
  return {dv(0), dv(1), dv(2)};
}

}  // namespace

void fit_planet_velocities(const dynamics::SharedBlocks& blocks, dynamics::Bodies& bodies,
                           const dynamics::IntegrationClass& klass) {
  const std::array<double, kSamples> dates = sample_dates(blocks.epoch_jd);
    std::vector<SamplePositions> series(kLastSeriesPlanet + 1);
  for (int planet = klass.first_planet; planet <= kLastSeriesPlanet; ++planet)
    for (int j = 0; j < kSamples; ++j)
      series[planet][j] = series_state(planet, dates[j]).x;
  for (int iteration = 0; iteration < kFitIterations; ++iteration) {
    const std::vector<SamplePositions> carried = carried_positions(blocks, bodies, dates);
    for (int planet = klass.first_planet; planet <= kLastSeriesPlanet; ++planet) {
      const int slot = dynamics::planet_slot(klass, planet);
      const dynamics::Vec3 dv = velocity_correction(blocks, bodies, slot, dates, series[planet],
                                                    carried[slot]);
      for (int c = 0; c < 3; ++c) bodies.v[slot][c] += dv[c];
    }
  }
}

}  // namespace sky
