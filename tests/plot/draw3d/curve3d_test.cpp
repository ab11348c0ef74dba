// curv3d: argument checks, log-axis check, pattern restart and thick copies.
#include <cmath>
#include <set>
#include <string>

#include "plot/lines/polyline.h"
#include "plot/plot3d.h"
#include "plot/axis3d/projection3d.h"
#include "plot/axis3d/axis_system_fixture.h"

namespace plotix {
namespace {

using Curve3d = test::Graf3dTest;

TEST_F(Curve3d, OnePointDrawsNothing) {
  PlotState& s = open_box();
  const float x[1] = {0.2f}, y[1] = {0.1f}, z[1] = {0};
  curv3d(x, y, z, 1);
  endgrf();
  EXPECT_EQ(log_->count_code(2), 0);
  EXPECT_EQ(s.core.nwarn, 0);
}

TEST_F(Curve3d, BadCountAndLevel) {
  PlotState& s = open_box();
  const float x[1] = {0};
  ::testing::internal::CaptureStdout();
  curv3d(x, x, x, 0);
  curv3d(x, x, x, -4);
  endgrf();
  curv3d(x, x, x, 1);
  EXPECT_EQ(::testing::internal::GetCapturedStdout(),
            " <<<< Warning   2: Incorrect parameter in curv3d!   (   0)\n"
            " <<<< Warning   2: Incorrect parameter in curv3d!   (  -4)\n"
            " <<<< Warning   3: Incorrect level in curv3d!   (   1)\n");
  EXPECT_EQ(s.core.nwarn, 3);
}

TEST_F(Curve3d, NonPositiveValueOnLogAxis) {
  PlotState& s = open_unit_screen();
  s.axis3d.slot[2].ilog = 1;  // z logarithmic: limits are exponents
  ::testing::internal::CaptureStdout();
  graf3d(-1, 1, -1, 1, -1, 1, -1, 1, 0, 2, 0, 1);
  qqstrk(s);
  log_->calls.clear();
  const float x[3] = {0, 0.5f, 0.5f}, y[3] = {0, 0, 0.5f}, z[3] = {10, 0, 50};
  curv3d(x, y, z, 3);
  EXPECT_EQ(::testing::internal::GetCapturedStdout(),
            " <<<< Warning  27: Non positive values for log scaling in curv3d!\n");
  endgrf();
  EXPECT_EQ(log_->count_code(2), 0);
  EXPECT_FLOAT_EQ(s.axis3d.rng3[5], 100.0f);
}

TEST_F(Curve3d, LogAxisPlacesDecadesEvenly) {
  PlotState& s = open_unit_screen();
  s.axis3d.slot[2].ilog = 1;
  ::testing::internal::CaptureStdout();
  graf3d(-1, 1, -1, 1, -1, 1, -1, 1, 0, 2, 0, 1);
  ::testing::internal::GetCapturedStdout();
  EXPECT_NEAR(qqpos3(s, 0, 0, 10)[2], 0.0, 1e-6);  // 10 is the middle of 1..100
  EXPECT_NEAR(qqpos3(s, 0, 0, 100)[2], 1.0, 1e-6);
}

TEST_F(Curve3d, PatternRestartsAtEveryCurve) {
  PlotState& s = open_box();
  dash();
  s.line.idashpos = 2;  // somewhere in a gap of an earlier line
  s.line.ipenoff = 1;
  s.line.xdashrem = 3;
  const float x[2] = {0, 0}, y[2] = {0, 0}, z[2] = {0, 0};
  curv3d(x, y, z, 2);  // a segment of length 0 leaves the fresh pattern as it is
  EXPECT_EQ(s.line.idashpos, 1);
  EXPECT_EQ(s.line.ipenoff, 0);
  EXPECT_FLOAT_EQ(s.line.xdashrem, 10.0f);
}

// A thick curve is drawn under a square brush: n x n copies shifted by whole plot
// units, every pair of shifts from -(n/2) once, so that every direction thickens alike.
TEST_F(Curve3d, ThickCurveDrawsShiftedCopies) {
  PlotState& s = open_box();
  const float x[2] = {-0.5f, 0.5f}, y[2] = {0, 0}, z[2] = {0, 0};
  for (const int n : {1, 2, 3}) {
    thkcrv(n);
    EXPECT_EQ(s.draw3d.ncrvthk, n);
    log_->calls.clear();
    curv3d(x, y, z, 2);
    qqstrk(s);
    const auto pts = points();
    ASSERT_EQ(pts.size(), static_cast<std::size_t>(2 * n * n)) << n;
    const PagePoint a = qqrel3(s, -0.5f, 0, 0);
    std::set<std::pair<int, int>> shifts;
    for (std::size_t i = 0; i < pts.size(); i += 2) {
      EXPECT_EQ(pts[i].code, 3);
      const int dx = static_cast<int>(pts[i].x - std::floor(a.x + 0.5f));
      const int dy = static_cast<int>(pts[i].y - std::floor(a.y + 0.5f));
      EXPECT_TRUE(dx >= -(n / 2) && dx < n - n / 2 && dy >= -(n / 2) && dy < n - n / 2) << dx << "," << dy;
      shifts.insert({dx, dy});
    }
    EXPECT_EQ(shifts.size(), static_cast<std::size_t>(n * n)) << n;
    EXPECT_EQ(s.line.nxorg, 0);
    EXPECT_EQ(s.line.nyorg, 0);
  }
  // Out of 1..20 the width stays as it was.
  ::testing::internal::CaptureStdout();
  thkcrv(0);
  thkcrv(21);
  ::testing::internal::GetCapturedStdout();
  EXPECT_EQ(s.draw3d.ncrvthk, 3);
  endgrf();
}

}  // namespace
}  // namespace plotix
