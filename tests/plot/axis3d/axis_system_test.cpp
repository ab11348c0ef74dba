// graf3d with its checks and view conversions, box3d, and the clipping of 3D
// lines as the device receives them.
#include <cmath>
#include <string>

#include "plot/lines/polyline.h"
#include "plot/axis3d/plane3d.h"
#include "plot/plot3d.h"
#include "plot/axis3d/projection3d.h"
#include "plot/plot_fixture.h"

namespace plotix {
namespace {

class Axis3dSystem : public test::PlotTest {
 protected:
  // graf3d over -1..1 on every axis with step 1, messages captured.
  std::string open_unit_box() {
    ::testing::internal::CaptureStdout();
    graf3d(-1, 1, -1, 1, -1, 1, -1, 1, -1, 1, -1, 1);
    return ::testing::internal::GetCapturedStdout();
  }

  // Empties the pending line and forgets what the device received so far.
  void clear_device(PlotState& s) {
    qqstrk(s);
    log_->calls.clear();
  }
};

TEST_F(Axis3dSystem, DefaultsGiveViewpointAndCentre) {
  PlotState& s = open_unit_screen();
  EXPECT_EQ(open_unit_box(), "");
  EXPECT_EQ(s.core.level, 3);
  EXPECT_EQ(s.axis3d.iaxsys, 3);
  EXPECT_FLOAT_EQ(s.axis3d.view3[0], 4.0f);
  EXPECT_FLOAT_EQ(s.axis3d.view3[1], -5.0f);
  EXPECT_FLOAT_EQ(s.axis3d.view3[2], 4.0f);
  EXPECT_FLOAT_EQ(s.axis3d.scl3, 700.0f);
  const PagePoint c = qqrel3(s, 0, 0, 0);
  EXPECT_NEAR(c.x, 1484.0, 1e-3);
  EXPECT_NEAR(c.y, 1099.0, 1e-3);
  // The axes were labelled in 1.5 times the heights, then the heights restored.
  EXPECT_EQ(s.text.nhchar, 36);
  EXPECT_EQ(s.axis3d.nhname, 36);
  EXPECT_EQ(s.axis3d.iplane3, 0);
  EXPECT_GT(log_->count_code(2), 100);
}

TEST_F(Axis3dSystem, ViewpointAtTheFocusIsReplacedOneInsideTheBoxKept) {
  PlotState& s = open_unit_screen();
  view3d(0, 0, 0, "ABS");  // on the default focus: no line of sight
  EXPECT_EQ(open_unit_box(), " <<<< Warning  33: Incorrect viewpoint in graf3d!\n");
  EXPECT_FLOAT_EQ(s.axis3d.view3[0], 4.0f);
  EXPECT_FLOAT_EQ(s.axis3d.view3[1], -5.0f);
  EXPECT_EQ(s.core.level, 3);
  endgrf();
  vfoc3d(0.5f, 0.3f, 0.1f, "ABS");
  view3d(0.5f, 0.3f, 0.1f, "ABS");  // on a focus away from the centre
  EXPECT_EQ(open_unit_box(), " <<<< Warning  33: Incorrect viewpoint in graf3d!\n");
  endgrf();
  vfoc3d(0, 0, 0, "ABS");
  for (const float v : {0.1f, 1.0f}) {  // inside, and on a corner
    view3d(v * 0.5f, v * 0.3f, v, "ABS");
    EXPECT_EQ(open_unit_box(), "");
    EXPECT_FLOAT_EQ(s.axis3d.view3[0], v * 0.5f);
    EXPECT_FLOAT_EQ(s.axis3d.view3[2], v);
    endgrf();
  }
}

TEST_F(Axis3dSystem, UnusableScalingLeavesLevelOne) {
  PlotState& s = open_unit_screen();
  ::testing::internal::CaptureStdout();
  graf3d(-1, 1, -1, 0, 0, 0, 0, 1, -1, 1, 5, -1);
  const std::string out = ::testing::internal::GetCapturedStdout();
  EXPECT_EQ(out,
            " <<<< Warning   9: Step equal zero in graf3d!\n"
            " <<<< Warning  10: Begin and end of scaling are equal in graf3d!\n"
            " <<<< Warning  12: Startlabel out of scaling in graf3d!\n"
            " <<<< Warning  50: Incorrect sign for step in graf3d!\n");
  EXPECT_EQ(s.core.level, 1);
  EXPECT_EQ(s.core.nwarn, 4);
  ::testing::internal::CaptureStdout();
  box3d();
  EXPECT_EQ(::testing::internal::GetCapturedStdout(),
            " <<<< Warning   3: Incorrect level in box3d!   (   1)\n");
}

TEST_F(Axis3dSystem, DescendingAxisChecksAndOpens) {
  PlotState& s = open_unit_screen();
  ::testing::internal::CaptureStdout();
  graf3d(1, -1, 2, -1, -1, 1, -1, 1, -1, 1, -1, 1);
  EXPECT_EQ(::testing::internal::GetCapturedStdout(),
            " <<<< Warning  12: Startlabel out of scaling in graf3d!\n");
  EXPECT_EQ(s.core.level, 3);
  EXPECT_FLOAT_EQ(s.axis3d.rng3[0], -1.0f);  // sorted ascending
  EXPECT_FLOAT_EQ(s.axis3d.rng3[1], 1.0f);
  ::testing::internal::CaptureStdout();
  graf3d(1, -1, 1, -1, -1, 1, -1, 1, -1, 1, -1, 1);
  EXPECT_EQ(::testing::internal::GetCapturedStdout(),
            " <<<< Warning   3: Incorrect level in graf3d!   (   3)\n");
}

TEST_F(Axis3dSystem, UserViewIsConvertedOnceAndKept) {
  PlotState& s = open_unit_screen();
  axis3d(2.1f, 2.1f, 0.7f);
  view3d(3, -3, 1.5f, "USER");
  vfoc3d(-1, 0, 0, "USER");
  ::testing::internal::CaptureStdout();
  graf3d(-2.05f, 0.05f, -2, 1, -1.05f, 1.05f, -1, 1, -0.35f, 0.35f, 0, 1);
  EXPECT_EQ(::testing::internal::GetCapturedStdout(), "");
  // Absolute = (u - start) * len / (end - start) - len/2.
  EXPECT_NEAR(s.axis3d.view3[0], 5.05 - 1.05, 1e-5);
  EXPECT_NEAR(s.axis3d.view3[1], -3.0, 1e-5);
  EXPECT_NEAR(s.axis3d.view3[2], 1.5, 1e-5);
  EXPECT_NEAR(s.axis3d.foc3[0], 0.0, 1e-6);
  EXPECT_EQ(s.axis3d.iview3, ViewPointKind::absolute);
  EXPECT_EQ(s.axis3d.ifoc3, 1);
  // The Sun at (-1, 0, 0) is the focus, so it projects onto the centre.
  const PagePoint sun = qqrel3(s, -1, 0, 0);
  EXPECT_NEAR(sun.x, 1484.0, 1e-2);
  EXPECT_NEAR(sun.y, 1099.0, 1e-2);
  endgrf();
  ::testing::internal::CaptureStdout();
  graf3d(-10, 10, -10, 5, -10, 10, -10, 5, -10, 10, -10, 5);
  ::testing::internal::GetCapturedStdout();
  EXPECT_NEAR(s.axis3d.view3[0], 4.0, 1e-5);  // held as ABS, not converted again
}

TEST_F(Axis3dSystem, AngleViewAndBadSettings) {
  PlotState& s = open_unit_screen();
  view3d(30, 20, 10, "angl");
  ::testing::internal::CaptureStdout();
  axis3d(0, 1, 1);
  view3d(1, 2, 3, "XYZ");
  vfoc3d(1, 2, 3, "ANGL");
  EXPECT_EQ(::testing::internal::GetCapturedStdout(),
            " <<<< Warning   2: Incorrect parameter in axis3d!\n"
            " <<<< Warning   2: Incorrect parameter in view3d!   (XYZ)\n"
            " <<<< Warning   2: Incorrect parameter in vfoc3d!   (ANGL)\n");
  EXPECT_FLOAT_EQ(s.axis3d.ax3len[0], 2.0f);
  EXPECT_EQ(s.axis3d.ifoc3, 0);
  open_unit_box();
  const double az = 30 * 0.017453292, el = 20 * 0.017453292;
  EXPECT_NEAR(s.axis3d.view3[0], 10 * std::cos(el) * std::sin(az), 1e-5);
  EXPECT_NEAR(s.axis3d.view3[1], 10 * std::cos(el) * std::cos(az), 1e-5);
  EXPECT_NEAR(s.axis3d.view3[2], 10 * std::sin(el), 1e-5);
}

TEST_F(Axis3dSystem, BoxEdgesInCornerOrder) {
  PlotState& s = open_unit_screen();
  open_unit_box();
  clear_device(s);
  box3d();
  qqstrk(s);
  const int order[16] = {1, 2, 3, 4, 1, 5, 6, 7, 8, 5, 6, 2, 3, 7, 8, 4};
  const int moves[16] = {1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1, 0, 1, 0, 1, 0};
  const float sign[9][3] = {{0, 0, 0},  {-1, -1, -1}, {1, -1, -1}, {1, 1, -1}, {-1, 1, -1},
                            {-1, -1, 1}, {1, -1, 1},  {1, 1, 1},   {-1, 1, 1}};
  const auto pts = points();
  ASSERT_EQ(pts.size(), 16u);
  for (int i = 0; i < 16; ++i) {
    const float* c = sign[order[i]];
    const PagePoint p = abs3pt(s, {c[0], c[1], c[2]});
    EXPECT_EQ(pts[i].x, std::floor(p.x + 0.5)) << i;
    EXPECT_EQ(pts[i].y, std::floor(p.y + 0.5)) << i;
    EXPECT_EQ(pts[i].code, moves[i] ? 3 : 2) << i;
  }
}

TEST_F(Axis3dSystem, BoxOutsideA3dSystem) {
  PlotState& s = open_unit_screen();
  s.core.level = 3;  // as if another kind of axis system were open
  ::testing::internal::CaptureStdout();
  box3d();
  curv3d(nullptr, nullptr, nullptr, 0);
  sphe3d(0, 0, 0, 1, 10, 10);
  EXPECT_EQ(::testing::internal::GetCapturedStdout(),
            " <<<< Warning  35: Confusion of graf3d and graf3 in box3d!\n"
            " <<<< Warning  35: Confusion of graf3d and graf3 in curv3d!\n"
            " <<<< Warning  35: Confusion of graf3d and graf3 in sphe3d!\n");
}

// The pending polyline as page points.
std::vector<PagePoint> pending(const PlotState& s) {
  std::vector<PagePoint> out;
  for (int i = 0; i < s.line.npoly; ++i) out.push_back({s.line.xpoly[i], s.line.ypoly[i]});
  return out;
}

void expect_at(const PagePoint& got, const PagePoint& want, const char* what) {
  EXPECT_NEAR(got.x, want.x, 1e-3) << what;
  EXPECT_NEAR(got.y, want.y, 1e-3) << what;
}

TEST_F(Axis3dSystem, CurveSegmentsClippedAtTheBox) {
  PlotState& s = open_unit_screen();
  open_unit_box();
  qqstrk(s);

  const float x1[2] = {0, 3}, y1[2] = {0, 0.3f}, z1[2] = {0, 0};
  ::testing::internal::CaptureStdout();
  curv3d(x1, y1, z1, 2);  // inside -> outside: up to the face x = 1
  auto p = pending(s);
  ASSERT_EQ(p.size(), 2u);
  expect_at(p[0], abs3pt(s, {0, 0, 0}), "start");
  expect_at(p[1], abs3pt(s, {1, 0.1f, 0}), "face");

  qqstrk(s);
  const float x2[2] = {-3, 3}, y2[2] = {0.5f, 0.5f}, z2[2] = {-2, 2};
  curv3d(x2, y2, z2, 2);  // crosses the box: between the two intersections
  p = pending(s);
  ASSERT_EQ(p.size(), 2u);
  expect_at(p[0], abs3pt(s, {-1, 0.5f, -2.0f / 3}), "entry");
  expect_at(p[1], abs3pt(s, {1, 0.5f, 2.0f / 3}), "exit");

  qqstrk(s);
  const float x3[3] = {-2, 0.5f, 0}, y3[3] = {0.5f, 3, 0}, z3[3] = {0, 0, 0};
  curv3d(x3, y3, z3, 3);  // misses the box, then comes back in
  p = pending(s);
  ASSERT_EQ(p.size(), 2u);
  expect_at(p[0], abs3pt(s, {0.5f / 3 * 1.0f, 1, 0}), "re-entry");
  expect_at(p[1], abs3pt(s, {0, 0, 0}), "end");
  const std::string out = ::testing::internal::GetCapturedStdout();
  EXPECT_NE(out.find(" <<<< ( -3.0000e+00 /  5.0000e-01 / -2.0000e+00) out of axis scaling!\n"),
            std::string::npos);
  EXPECT_EQ(s.core.nwarn, 0);
}

TEST_F(Axis3dSystem, ViewVolumeAndNoClipping) {
  PlotState& s = open_unit_screen();
  open_unit_box();
  qqstrk(s);
  s.axis3d.iclp3 = 2;
  const float x[2] = {0, 3}, y[2] = {0, 0}, z[2] = {0, 0};
  ::testing::internal::CaptureStdout();
  curv3d(x, y, z, 2);
  auto p = pending(s);
  ASSERT_EQ(p.size(), 2u);
  expect_at(p[1], abs3pt(s, {3, 0, 0}), "unclipped");

  // View volume: a line from the centre to behind the viewer ends at the near plane.
  qqstrk(s);
  s.axis3d.iclp3 = 1;
  const float xv[2] = {0, 8}, yv[2] = {0, -10}, zv[2] = {0, 8};
  curv3d(xv, yv, zv, 2);
  ::testing::internal::GetCapturedStdout();
  p = pending(s);
  ASSERT_EQ(p.size(), 2u);
  // The near plane lies one unit from the viewpoint along the line of sight.
  const double r = std::sqrt(57.0);
  const float f = static_cast<float>(1.0 - 1.0 / r);
  expect_at(p[1], abs3pt(s, {4 * f, -5 * f, 4 * f}), "near plane");
}

}  // namespace
}  // namespace plotix
