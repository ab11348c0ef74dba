// graf2d and curv2d: the scaling from user values to the axis area, and the checks of
// level and arguments; logarithmic axes, the spacing of numbers, the right axis and the
// clipping of data at the axis area.
#include <algorithm>
#include <cmath>
#include <functional>

#include "plot/axis2d/axis_labels2d.h"
#include "plot/axis3d/axis_numbers.h"
#include "plot/lines/polyline.h"
#include "plot/plot2d.h"
#include "plot/plot_fixture.h"

namespace plotix {
namespace {

using AxisSystem2d = test::PlotTest;

// The corners and the middle of the axis ranges land on the corners and the middle of
// the axis area, whichever way an axis runs.
TEST_F(AxisSystem2d, CurvePointsLandOnTheAxisArea) {
  PlotState& s = open_unit_screen();
  const float left = static_cast<float>(s.core.nxa), bottom = static_cast<float>(s.core.nya);
  const float right = left + s.core.nxl - 1, top = bottom - s.core.nyl + 1;
  struct Case {
    float xa, xe, ya, ye;
  } cases[] = {{0, 10, -1, 1}, {10, 0, -1, 1}, {1800, 2250, 180, -360}};
  for (const Case& c : cases) {
    graf2d(c.xa, c.xe, c.xa, (c.xe - c.xa) / 2, c.ya, c.ye, c.ya, (c.ye - c.ya) / 2);
    qqstrk(s);
    log_->calls.clear();
    const float x[3] = {c.xa, c.xe, (c.xa + c.xe) / 2}, y[3] = {c.ya, c.ye, (c.ya + c.ye) / 2};
    curv2d(x, y, 3);
    const std::vector<test::DevicePoint> drawn = points();
    ASSERT_EQ(drawn.size(), 3u);
    const float expected[3][2] = {{left, bottom}, {right, top}, {(left + right) / 2, (top + bottom) / 2}};
    for (int k = 0; k < 3; ++k) {
      EXPECT_NEAR(drawn[k].x, expected[k][0] + s.line.nxorg, 1.0) << c.xa << " point " << k;
      EXPECT_NEAR(drawn[k].y, expected[k][1] + s.line.nyorg, 1.0) << c.xa << " point " << k;
    }
    endgrf();
  }
  EXPECT_EQ(s.core.nwarn, 0);
}

TEST_F(AxisSystem2d, WrongArgumentsAndLevelsAreWarnings) {
  PlotState& s = open_unit_screen();
  const float x[1] = {0};
  ::testing::internal::CaptureStdout();
  curv2d(x, x, 1);                  // no axis system yet
  graf2d(0, 0, 0, 1, 0, 1, 0, 1);   // x range of no length: nothing opens
  graf2d(0, 1, 0, 1, 0, 1, 0, 0);   // zero y step
  EXPECT_EQ(s.core.level, 1);
  graf2d(0, 1, 0, 1, 0, 1, 0, 1);
  curv2d(x, x, 0);
  graf3d(-1, 1, -1, 1, -1, 1, -1, 1, -1, 1, -1, 1);  // a second axis system
  endgrf();
  graf3d(-1, 1, -1, 1, -1, 1, -1, 1, -1, 1, -1, 1);
  curv2d(x, x, 1);                  // a 3D system is open
  endgrf();
  const std::string said = ::testing::internal::GetCapturedStdout();
  for (const char* warning : {"Warning   3: Incorrect level in curv2d!", "Warning  10:", "Warning   9:",
                              "Warning   2: Incorrect parameter in curv2d!", "Warning   3: Incorrect level in graf3d!"}) {
    EXPECT_NE(said.find(warning), std::string::npos) << warning << "\n" << said;
  }
  EXPECT_EQ(s.core.nwarn, 6);
}

}  // namespace
}  // namespace plotix

namespace plotix {
namespace {

class AxisScales2d : public test::PlotTest {
 protected:
  // A 2D axis system with y from 1e-4 to 1 on a logarithmic scale, its axes drawn and
  // dropped from the log.
  PlotState& open_log_axes() {
    PlotState& s = open_unit_screen();
    axis_scale2d("LOG", "Y");
    graf2d(0, 1, 0, 1, -4, 0, -4, 1);
    qqstrk(s);
    log_->calls.clear();
    return s;
  }
};

// On a logarithmic axis every decade takes the same length, and a value not above 0
// breaks the curve instead of reaching the device.
TEST_F(AxisScales2d, DecadesAreEvenOnALogarithmicAxis) {
  PlotState& s = open_log_axes();
  const float x[6] = {0.5f, 0.5f, 0.5f, 0.5f, 0.5f, 0.5f}, y[6] = {1e-4f, 1e-3f, 1e-2f, 0.0f, 1e-1f, 1.0f};
  curv2d(x, y, 6);
  const std::vector<test::DevicePoint> drawn = points();
  ASSERT_EQ(drawn.size(), 5u);
  EXPECT_EQ(drawn[3].code, devices::kMove) << "the zero starts a new line";
  const double decade = (s.core.nyl - 1) / 4.0;
  const double ys[5] = {0, 1, 2, 3, 4};
  for (int k = 0; k < 5; ++k) EXPECT_NEAR(drawn[k].y, s.core.nya - ys[k] * decade + s.line.nyorg, 1.0) << k;
  endgrf();
}

// The step chosen for an axis is the smallest of 1, 2, 5 times a power of ten whose
// numbers keep a number height apart: the next smaller one would not.
TEST_F(AxisScales2d, SpacedStepIsTheSmallestThatKeepsNumbersApart) {
  PlotState& s = open_unit_screen();
  labdig(-1, "X");
  labdig(-2, "Y");
  const double ladder[] = {1, 2, 5};
  for (const auto& [a, e] : {std::pair{1719.5f, 1819.5f}, std::pair{-3000.0f, 7000.0f}, std::pair{0.0f, 0.37f},
                             std::pair{2000.0f, 2600.0f}, std::pair{-0.52f, 0.51f}}) {
    for (const char* axis : {"X", "Y"}) {
      const int j = axis[0] == 'X' ? 0 : 1;
      if (j == 0 && e - a < 5) continue;  // integers on x
      const float step = spaced_step2d(a, e, axis);
      ASSERT_GT(step, 0.0f);
      const double k = std::floor(std::log10(step) + 1e-6), m = step / std::pow(10.0, k);
      EXPECT_TRUE(std::fabs(m - 1) < 1e-4 || std::fabs(m - 2) < 1e-4 || std::fabs(m - 5) < 1e-4) << step;
      const auto keeps_apart = [&](double candidate) {
        const AxisLabelHeights heights(s);
        AxisMarks marks{a, e, 0.0f, static_cast<float>(candidate), false, {}, j == 1};
        const int digits = s.axis3d.slot[j].iautodig ? auto_digits(0.0, candidate) : s.axis3d.slot[j].ndig;
        return labels_keep_apart(s, marks, axis_labels(marks, digits), s.text.nhchar);
      };
      EXPECT_TRUE(keeps_apart(step)) << axis << " " << a << ".." << e;
      const int at = m < 1.5 ? 0 : m < 3.0 ? 1 : 2;
      const double smaller = at == 0 ? 5 * std::pow(10.0, k - 1) : ladder[at - 1] * std::pow(10.0, k);
      if (j == 1 || smaller >= 1) {
        EXPECT_FALSE(keeps_apart(smaller)) << axis << " " << a << ".." << e << " step " << step;
      }
    }
  }
}

// The right axis numbers the edge in the second unit: on a logarithmic axis its long
// ticks stand where the powers of ten of that unit fall.
TEST_F(AxisScales2d, RightAxisTicksAtThePowersOfTenOfItsUnit) {
  PlotState& s = open_log_axes();
  const float factor = 389.17f;  // lunar distances per AU
  right_axis2d(factor, "LD");
  const std::vector<test::DevicePoint> drawn = points();
  const int right = s.core.nxa + s.core.nxl - 1 + s.line.nxorg;
  std::vector<double> long_ticks;
  for (std::size_t k = 1; k < drawn.size(); ++k) {
    const bool horizontal = drawn[k].code == devices::kDraw && drawn[k].y == drawn[k - 1].y;
    if (horizontal && drawn[k - 1].x == right && drawn[k].x - right == s.axis3d.slot[1].nmajlen) {
      long_ticks.push_back(drawn[k].y);
    }
  }
  // 1e-4 AU .. 1 AU is 0.0389 .. 389 LD: ticks at 0.1, 1, 10, 100 LD.
  ASSERT_EQ(long_ticks.size(), 4u);
  std::sort(long_ticks.begin(), long_ticks.end(), std::greater<>());
  for (int k = 0; k < 4; ++k) {
    const double au = std::pow(10.0, k - 1) / factor;
    const double y = s.core.nya - (std::log10(au) + 4) * (s.core.nyl - 1) / 4.0 + s.line.nyorg;
    EXPECT_NEAR(long_ticks[static_cast<std::size_t>(k)], y, 1.0) << k;
  }
  endgrf();
}

// Curves, bands and markers stay inside the axis area.
TEST_F(AxisScales2d, DataStayInsideTheAxisArea) {
  PlotState& s = open_unit_screen();
  graf2d(0, 1, 0, 1, 0, 1, 0, 1);
  qqstrk(s);
  log_->calls.clear();
  const float x[3] = {-1, 0.5f, 2}, y[3] = {0.5f, 0.7f, -2};
  curv2d(x, y, 3);
  shade2d(-5, -5, 0.5f, 5);
  marker2d(MarkerShape::square, 1.5f, 0.5f, 20);
  marker2d(MarkerShape::plus, 0.99f, 0.5f, 4);
  const double left = s.core.nxa, right = s.core.nxa + s.core.nxl - 1;
  const double top = s.core.nya - s.core.nyl + 1, bottom = s.core.nya;
  int seen = 0;
  for (const auto& c : log_->calls) {
    if (c.kind != devices::CallKind::kMoveDraw && c.kind != devices::CallKind::kFillRectangle) continue;
    const int n = c.kind == devices::CallKind::kMoveDraw ? 1 : 2;
    for (int p = 0; p < n; ++p) {
      ++seen;
      EXPECT_GE(c.v[2 * p], left - 1);
      EXPECT_LE(c.v[2 * p], right + 1);
      EXPECT_GE(c.v[2 * p + 1], top - 1);
      EXPECT_LE(c.v[2 * p + 1], bottom + 1);
    }
  }
  EXPECT_GE(seen, 9);  // the curve's three points, the band's two corners, the small plus's four
  endgrf();
}

}  // namespace
}  // namespace plotix
