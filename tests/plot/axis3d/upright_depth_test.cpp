// Upright labels: a near viewer keeps its place up to a depth ratio of 4 between the
// farthest and the nearest box corner and steps back along its line of sight only as
// far as that; crowded numbers thin to the multiples of one coarser round step.
#include <algorithm>
#include <cmath>
#include <random>

#include "axis_system_fixture.h"
#include "plot/axis3d/upright_labels.h"

namespace plotix::test {
namespace {

using UprightDepth = PlotTest;

// Depths of the corners of a box of edges len along the sight from v to f.
void corner_depths(const float len[3], const double v[3], const double f[3], double& nearest, double& farthest) {
  const double d[3] = {f[0] - v[0], f[1] - v[1], f[2] - v[2]};
  const double n = std::hypot(d[0], d[1], d[2]);
  nearest = 1e30, farthest = -1e30;
  for (int c = 0; c < 8; ++c) {
    const double p[3] = {(c & 1 ? 0.5 : -0.5) * len[0] - v[0], (c & 2 ? 0.5 : -0.5) * len[1] - v[1],
                         (c & 4 ? 0.5 : -0.5) * len[2] - v[2]};
    const double depth = (p[0] * d[0] + p[1] * d[1] + p[2] * d[2]) / n;
    nearest = std::min(nearest, depth), farthest = std::max(farthest, depth);
  }
}

TEST_F(UprightDepth, ANearViewerKeepsItsPlaceUpToADepthRatioOfFour) {
  std::mt19937 rng(5);
  std::uniform_real_distribution<double> u(-1, 1), r(0.2, 8);
  const float len[3] = {2.0f, 1.2f, 0.4f};
  int kept = 0, moved = 0;
  for (int i = 0; i < 200; ++i) {
    double f[3] = {0.5 * u(rng), 0.3 * u(rng), 0.1 * u(rng)}, v[3];
    double dir[3] = {u(rng), u(rng), u(rng)};
    const double n = std::hypot(dir[0], dir[1], dir[2]), dist = r(rng);
    for (int j = 0; j < 3; ++j) v[j] = f[j] + dir[j] / n * dist;
    PlotState& s = open_unit_screen();
    axis3d(len[0], len[1], len[2]);
    labl3d("PAGE");
    view3d(static_cast<float>(v[0]), static_cast<float>(v[1]), static_cast<float>(v[2]), "ABS");
    vfoc3d(static_cast<float>(f[0]), static_cast<float>(f[1]), static_cast<float>(f[2]), "ABS");
    ::testing::internal::CaptureStdout();
    graf3d(-1, 1, -1, 1, -1, 1, -1, 1, -1, 1, -1, 1);
    ::testing::internal::GetCapturedStdout();
    double near_before = 0, far_before = 0, near_after = 0, far_after = 0;
    for (int j = 0; j < 3; ++j) v[j] = static_cast<float>(v[j]), f[j] = static_cast<float>(f[j]);
    corner_depths(len, v, f, near_before, far_before);
    const double w[3] = {s.axis3d.view3[0], s.axis3d.view3[1], s.axis3d.view3[2]};
    corner_depths(len, w, f, near_after, far_after);
    if (near_before > 0 && far_before <= 4 * near_before) {
      ++kept;
      for (int j = 0; j < 3; ++j) EXPECT_NEAR(w[j], v[j], 1e-6 * (1 + std::fabs(v[j]))) << i;
    } else {
      ++moved;
      EXPECT_NEAR(far_after / near_after, 4.0, 1e-4) << i;
      // Along the line of sight, away from the focus.
      const double a[3] = {v[0] - f[0], v[1] - f[1], v[2] - f[2]}, b[3] = {w[0] - f[0], w[1] - f[1], w[2] - f[2]};
      const double cross = std::hypot(a[1] * b[2] - a[2] * b[1], a[2] * b[0] - a[0] * b[2], a[0] * b[1] - a[1] * b[0]);
      EXPECT_LT(cross, 1e-5 * std::hypot(a[0], a[1], a[2]) * std::hypot(b[0], b[1], b[2])) << i;
      EXPECT_GT(std::hypot(b[0], b[1], b[2]), std::hypot(a[0], a[1], a[2])) << i;
    }
    finish();
  }
  EXPECT_GT(kept, 20);
  EXPECT_GT(moved, 20);
}

// A short Z edge of 31 numbers a hundredth apart (-0.15 to 0.15) under X and Y numbered
// in whole units, seen from views all round: the Z numbers kept (the texts with a
// point) are multiples of their smallest gap, a round step; thinning every second
// number from -0.15 would keep -0.15, -0.13 ..., multiples of no round step.
TEST_F(UprightDepth, CrowdedNumbersThinToMultiplesOfARoundStep) {
  int thinned = 0;
  for (int azimuth = 10; azimuth < 360; azimuth += 40) {
    for (const int elevation : {-60, -20, 20, 60}) {
      const double az = azimuth * M_PI / 180, el = elevation * M_PI / 180;
      PlotState& s = open_unit_screen();
      axis3d(2.0f, 2.0f, 0.3f);
      labl3d("PAGE");
      labdig(-2, "XYZ");
      view3d(static_cast<float>(6 * std::cos(el) * std::cos(az)), static_cast<float>(6 * std::cos(el) * std::sin(az)),
             static_cast<float>(6 * std::sin(el)), "ABS");
      ::testing::internal::CaptureStdout();
      graf3d(-1, 1, -1, 1, -1, 1, -1, 1, -0.15f, 0.15f, -0.15f, 0.01f);
      ::testing::internal::GetCapturedStdout();
      std::vector<double> z;
      for (const UprightText& t : fit_upright_labels(s).texts) {
        if (t.text.find('.') != std::string::npos) z.push_back(std::stod(t.text));
      }
      std::sort(z.begin(), z.end());
      if (z.size() < 2) {
        finish();
        continue;
      }
      double gap = 1e9;
      for (std::size_t k = 1; k < z.size(); ++k) gap = std::min(gap, z[k] - z[k - 1]);
      const double decade = std::pow(10.0, std::floor(std::log10(gap) + 1e-9)), mantissa = gap / decade;
      EXPECT_TRUE(std::fabs(mantissa - 1) < 1e-6 || std::fabs(mantissa - 2) < 1e-6 || std::fabs(mantissa - 5) < 1e-6)
          << azimuth << "/" << elevation << ": gap " << gap;
      for (const double v : z) EXPECT_NEAR(v / gap, std::round(v / gap), 1e-6) << azimuth << "/" << elevation;
      thinned += gap > 0.015;
      finish();
    }
  }
  EXPECT_GT(thinned, 10);
}

}  // namespace
}  // namespace plotix::test
