// curv3d: argument checks, log-axis check, pattern restart and thick copies.
#include <cmath>
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

TEST_F(Curve3d, ThickCurveDrawsShiftedCopies) {
  PlotState& s = open_box();
  s.draw3d.ncrvthk = 3;
  const float x[2] = {-0.5f, 0.5f}, y[2] = {0, 0}, z[2] = {0, 0};
  curv3d(x, y, z, 2);
  endgrf();
  const auto pts = points();
  ASSERT_EQ(pts.size(), 6u);
  const PagePoint a = qqrel3(s, -0.5f, 0, 0);
  const int shifts[3] = {0, 1, -1};
  for (int i = 0; i < 3; ++i) {
    EXPECT_EQ(pts[2 * i].code, 3);
    EXPECT_EQ(pts[2 * i].x, std::floor(a.x + shifts[i] + 0.5f)) << i;
    EXPECT_EQ(pts[2 * i].y, std::floor(a.y + shifts[i] + 0.5f)) << i;
  }
  EXPECT_EQ(s.line.nxorg, 0);
  EXPECT_EQ(s.line.nyorg, 0);
}

}  // namespace
}  // namespace plotix
