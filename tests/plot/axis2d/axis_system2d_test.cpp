// graf2d and curv2d: the scaling from user values to the axis area, and the checks of
// level and arguments.
#include <cmath>

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
