// The line pipeline against the recording device: polyline buffering, dashing,
// clipping, device mapping and the vector count.
#include <algorithm>
#include <cmath>
#include <limits>

#include "plot/lines/clipping.h"
#include "plot/lines/device_dispatch.h"
#include "plot/lines/polyline.h"
#include "plot/axis3d/plane3d.h"
#include "plot/plot3d.h"
#include "plot/plot_fixture.h"

namespace plotix::test {
namespace {

using devices::CallKind;

TEST_F(PlotTest, LongPolylineReachesDeviceInStrokesOf100SharingEndPoints) {
  PlotState& st = open_unit_screen();
  log_->calls.clear();
  strtqq(st, 10.0f, 1000.0f);
  for (int i = 1; i < 250; ++i) connqq(st, 10.0f + static_cast<float>(i), 1000.0f);
  finish();
  std::vector<DevicePoint> p = points();
  ASSERT_EQ(p.size(), 252u);  // 100 + 100 + 52
  int moves = 0;
  int draws = 0;
  for (const DevicePoint& q : p) (q.code == 3 ? moves : draws)++;
  EXPECT_EQ(moves, 3);
  EXPECT_EQ(draws, 249);
  // Each stroke starts with a move to the previous stroke's last point.
  EXPECT_EQ(p[0].code, 3);
  EXPECT_EQ(p[0].x, 10.0);
  EXPECT_EQ(p[100].code, 3);
  EXPECT_EQ(p[100].x, p[99].x);
  EXPECT_EQ(p[200].code, 3);
  EXPECT_EQ(p[200].x, p[199].x);
  EXPECT_EQ(p.back().x, 259.0);
}

TEST_F(PlotTest, VectorCountCountsEveryPointHandedToTheDevice) {
  PlotState& st = open_unit_screen();
  strtqq(st, 0.0f, 0.0f);
  connqq(st, 100.0f, 0.0f);
  connqq(st, 100.0f, 100.0f);
  qqstrk(st);
  EXPECT_EQ(st.core.nvec, 3);
  // A segment wholly outside adds nothing; a single-point stroke adds a move.
  strtqq(st, -50.0f, -50.0f);
  connqq(st, -10.0f, -60.0f);
  qqstrk(st);
  EXPECT_EQ(st.core.nvec, 3);
  qqmove(st, 5.0f, 5.0f);
  qqstrk(st);
  EXPECT_EQ(st.core.nvec, 4);
}

// A point that is not a number or infinite never reaches a device: it is dropped and the
// line is broken there, solid or dashed. Every point that arrives is one of the finite
// points given (x in 10..50), and the segments on either side of the gap are not joined.
TEST_F(PlotTest, NonFinitePointsAreDroppedAndBreakTheLine) {
  const float inf = std::numeric_limits<float>::infinity();
  const float nan = std::numeric_limits<float>::quiet_NaN();
  for (const bool dashed : {false, true}) {
    PlotState& st = open_unit_screen();
    if (dashed) plotix::dash();
    log_->calls.clear();
    strtqq(st, 10.0f, 300.0f);
    connqq(st, 20.0f, 300.0f);
    connqq(st, nan, 300.0f);
    connqq(st, 30.0f, 300.0f);
    connqq(st, 40.0f, inf);
    connqq(st, 50.0f, 300.0f);
    strtqq(st, -inf, 0.0f);
    connqq(st, 50.0f, 400.0f);
    finish();
    const std::vector<DevicePoint> p = points();
    ASSERT_FALSE(p.empty());
    double drawn_to_right = 0;
    for (std::size_t i = 0; i < p.size(); ++i) {
      EXPECT_TRUE(std::isfinite(p[i].x) && std::isfinite(p[i].y)) << "point " << i;
      EXPECT_GE(p[i].x, 10.0);
      EXPECT_LE(p[i].x, 50.0);
      // No drawn segment crosses a gap: from 20 to 30 or from 30 to 50.
      if (i > 0 && p[i].code != 3) {
        EXPECT_FALSE(p[i - 1].x <= 20.0 && p[i].x >= 30.0) << "joined across the gap, dashed " << dashed;
        EXPECT_FALSE(p[i - 1].x <= 30.0 && p[i].x >= 50.0) << "joined across the gap, dashed " << dashed;
        drawn_to_right = std::max(drawn_to_right, p[i].x);
      }
    }
    EXPECT_GT(drawn_to_right, 10.0);  // the finite parts are still drawn
  }
}

// Segments actually drawn, as (from, to) in device x along a horizontal line.
std::vector<std::pair<double, double>> drawn_spans(const std::vector<DevicePoint>& p) {
  std::vector<std::pair<double, double>> spans;
  for (std::size_t i = 1; i < p.size(); ++i) {
    if (p[i].code == 2) spans.emplace_back(p[i - 1].x, p[i].x);
  }
  return spans;
}

TEST_F(PlotTest, DashPatternRunsOnAcrossSegments) {
  PlotState& st = open_unit_screen();
  dash();  // 10 drawn, 10 skipped
  log_->calls.clear();
  strtqq(st, 0.0f, 100.0f);
  connqq(st, 35.0f, 100.0f);
  // 0-10 and 20-30 drawn; the segment ends in a gap with 5 units of it left.
  EXPECT_EQ(st.line.ipenoff, 1);
  EXPECT_FLOAT_EQ(st.line.xdashrem, 5.0f);
  // The next segment starts with those 5 units of gap, then draws 40-50.
  connqq(st, 50.0f, 100.0f);
  finish();
  auto spans = drawn_spans(points());
  ASSERT_EQ(spans.size(), 3u);
  EXPECT_EQ(spans[0], std::make_pair(0.0, 10.0));
  EXPECT_EQ(spans[1], std::make_pair(20.0, 30.0));
  EXPECT_EQ(spans[2], std::make_pair(40.0, 50.0));
}

TEST_F(PlotTest, DashPatternOfChainDashFollowsItsFourElements) {
  PlotState& st = open_unit_screen();
  chndsh();  // 30, 15, 10, 15
  log_->calls.clear();
  strtqq(st, 0.0f, 500.0f);
  connqq(st, 0.0f, 400.0f);  // vertical, upward on the page
  finish();
  std::vector<DevicePoint> p = points();
  std::vector<std::pair<double, double>> spans;
  for (std::size_t i = 1; i < p.size(); ++i) {
    if (p[i].code == 2) spans.emplace_back(p[i - 1].y, p[i].y);
  }
  // 500-470 drawn, 470-455 gap, 455-445 drawn, 445-430 gap, 430-400 drawn.
  ASSERT_EQ(spans.size(), 3u);
  EXPECT_EQ(spans[0], std::make_pair(500.0, 470.0));
  EXPECT_EQ(spans[1], std::make_pair(455.0, 445.0));
  EXPECT_EQ(spans[2], std::make_pair(430.0, 400.0));
}

TEST_F(PlotTest, StyleRoutineRestartsThePattern) {
  PlotState& st = open_unit_screen();
  dash();
  strtqq(st, 0.0f, 100.0f);
  connqq(st, 15.0f, 100.0f);
  EXPECT_EQ(st.line.ipenoff, 1);
  dash();
  EXPECT_EQ(st.line.ipenoff, 0);
  EXPECT_EQ(st.line.idashpos, 1);
  EXPECT_FLOAT_EQ(st.line.xdashrem, 10.0f);
}

TEST_F(PlotTest, SegmentEnteringFromTheLeftMovesToTheBorder) {
  PlotState& st = open_unit_screen();
  log_->calls.clear();
  strtqq(st, -100.0f, 300.0f);
  connqq(st, 100.0f, 500.0f);
  finish();
  std::vector<DevicePoint> p = points();
  ASSERT_EQ(p.size(), 2u);
  EXPECT_EQ(p[0].code, 3);
  EXPECT_EQ(p[0].x, 0.0);
  EXPECT_EQ(p[0].y, 400.0);  // halfway along the segment
  EXPECT_EQ(p[1].code, 2);
  EXPECT_EQ(p[1].x, 100.0);
  EXPECT_EQ(p[1].y, 500.0);
}

TEST_F(PlotTest, SegmentLeavingAndReenteringIsCutAtBothBorders) {
  PlotState& st = open_unit_screen();
  log_->calls.clear();
  strtqq(st, 100.0f, 100.0f);
  connqq(st, 100.0f, -100.0f);   // leaves through the top
  connqq(st, 300.0f, -100.0f);   // wholly above: nothing
  connqq(st, 300.0f, 100.0f);    // comes back through the top
  finish();
  std::vector<DevicePoint> p = points();
  ASSERT_EQ(p.size(), 4u);
  EXPECT_EQ(p[0].code, 3);
  EXPECT_EQ(p[1].code, 2);
  EXPECT_EQ(p[1].y, 0.0);
  EXPECT_EQ(p[2].code, 3);
  EXPECT_EQ(p[2].x, 300.0);
  EXPECT_EQ(p[2].y, 0.0);
  EXPECT_EQ(p[3].code, 2);
  EXPECT_EQ(p[3].y, 100.0);
}

TEST_F(PlotTest, SegmentCrossingTheCornerRegionIsCutTwiceOrMissed) {
  PlotState& st = open_unit_screen();
  log_->calls.clear();
  // From left of the page to below it, through the lower-left part of the page:
  // enters at x = 0 (y = 2050), leaves at y = 2099 (x = 98).
  strtqq(st, -100.0f, 2000.0f);
  connqq(st, 300.0f, 2200.0f);
  // Slope 1 from the same start passes the corner outside, at (-1, 2099).
  strtqq(st, -100.0f, 2000.0f);
  connqq(st, 300.0f, 2400.0f);
  finish();
  std::vector<DevicePoint> p = points();
  ASSERT_EQ(p.size(), 2u);
  EXPECT_EQ(p[0].code, 3);
  EXPECT_EQ(p[0].x, 0.0);
  EXPECT_EQ(p[0].y, 2050.0);
  EXPECT_EQ(p[1].code, 2);
  EXPECT_EQ(p[1].x, 98.0);
  EXPECT_EQ(p[1].y, 2099.0);
}

TEST_F(PlotTest, ClipToleranceCountsNearBorderPointsAsInside) {
  PlotState& st = open_unit_screen();
  const float right = static_cast<float>(st.line.nclpx2);
  EXPECT_EQ(jqqclp(st, right + 0.0005f, 10.0f), 1);
  EXPECT_EQ(jqqclp(st, right + 0.002f, 10.0f), 0);
  EXPECT_EQ(jqqclp(st, -0.0005f, 10.0f), 1);
  EXPECT_EQ(jqqclp(st, 10.0f, -0.002f), 0);
  EXPECT_EQ(st.line.nclpx2, 2969);
  EXPECT_EQ(st.line.nclpy2, 2099);
}

TEST_F(PlotTest, PostScriptMappingTurnsTheLandscapePage) {
  PlotState& st = open("PS");
  const float s = st.page.xdevfac;
  log_->calls.clear();
  qqmove(st, 100.0f, 200.0f);
  qqstrk(st);
  std::vector<DevicePoint> p = points();
  ASSERT_EQ(p.size(), 1u);
  EXPECT_DOUBLE_EQ(p[0].x, static_cast<double>(200.0f * s));
  EXPECT_DOUBLE_EQ(p[0].y, static_cast<double>(100.0f * s));
  // Never turned on paper: origin at the lower left, y upward.
  st.page.iorient = 2;
  double x = 0.0, y = 0.0;
  to_device_coordinates(st, 100.0f, 200.0f, x, y);
  EXPECT_DOUBLE_EQ(x, static_cast<double>(100.0f * s));
  EXPECT_DOUBLE_EQ(y, static_cast<double>((2099.0f - 200.0f) * s));
  finish();
}

TEST_F(PlotTest, ScreenMappingRoundsAndTurnsWithOrientationOne) {
  PlotState& st = open("CONS");
  st.page.xdevfac = 0.5f;
  double x = 0.0, y = 0.0;
  to_device_coordinates(st, 101.0f, 203.0f, x, y);
  EXPECT_EQ(x, 51.0);   // int(50.5 + 0.5)
  EXPECT_EQ(y, 102.0);  // int(101.5 + 0.5)
  st.page.iorient = 1;
  to_device_coordinates(st, 101.0f, 203.0f, x, y);
  EXPECT_EQ(x, 102.0);
  EXPECT_EQ(y, static_cast<int>((2969.0f - 101.0f) * 0.5f + 0.5f));
  finish();
}

TEST_F(PlotTest, ColourChangeStrokesAndTheLineGoesOnFromItsLastPoint) {
  PlotState& st = open_unit_screen();
  log_->calls.clear();
  strtqq(st, 0.0f, 0.0f);
  connqq(st, 10.0f, 0.0f);
  color("RED");
  connqq(st, 20.0f, 0.0f);
  finish();
  // move, draw, colour; then the line goes on from (10, 0) in the new colour.
  ASSERT_GE(log_->calls.size(), 5u);
  EXPECT_EQ(log_->calls[0].kind, CallKind::kMoveDraw);
  EXPECT_EQ(log_->calls[1].kind, CallKind::kMoveDraw);
  EXPECT_EQ(log_->calls[2].kind, CallKind::kColourValue);
  std::vector<DevicePoint> p = points();
  ASSERT_EQ(p.size(), 4u);
  EXPECT_EQ(p[2].code, 3);
  EXPECT_EQ(p[2].x, 10.0);
  EXPECT_EQ(p[3].code, 2);
  EXPECT_EQ(p[3].x, 20.0);
}

TEST_F(PlotTest, PageBorderIsOneClosedLine) {
  open_unit_screen();
  log_->calls.clear();
  pagera();
  finish();
  std::vector<DevicePoint> p = points();
  ASSERT_EQ(p.size(), 5u);
  EXPECT_EQ(p[0].code, 3);
  EXPECT_EQ(p[1].y, 2099.0);
  EXPECT_EQ(p[2].x, 2969.0);
  EXPECT_EQ(p[3].y, 0.0);
  EXPECT_EQ(p[4].x, 0.0);
  EXPECT_EQ(p[4].y, 0.0);
}

TEST_F(PlotTest, OriginOffsetMovesStartAndContinuePoints) {
  PlotState& st = open_unit_screen();
  st.line.nxorg = 100;
  st.line.nyorg = 50;
  log_->calls.clear();
  strtqq(st, 0.0f, 0.0f);
  connqq(st, 10.0f, 0.0f);
  qqstrk(st);
  std::vector<DevicePoint> p = points();
  ASSERT_EQ(p.size(), 2u);
  EXPECT_EQ(p[0].x, 100.0);
  EXPECT_EQ(p[0].y, 50.0);
  EXPECT_EQ(p[1].x, 110.0);
  finish();
}

}  // namespace
}  // namespace plotix::test

namespace plotix::test {
namespace {

TEST_F(PlotTest, LineOnA3dPlaneGoesOnFromItsMappedPointAfterAColourChange) {
  PlotState& st = open_unit_screen();
  graf3d(-1, 1, -1, 1, -1, 1, -1, 1, -1, 1, -1, 1);
  qqstrk(st);
  grfini(st, Point3{-1, -1, -1}, Point3{1, -1, -1}, Point3{1, 1, -1});
  log_->calls.clear();
  strtqq(st, 600.0f, 1500.0f);
  connqq(st, 1500.0f, 1000.0f);
  color("RED");
  connqq(st, 2000.0f, 600.0f);
  qqstrk(st);
  const PagePoint b = proj3d(st, 1500.0f, 1000.0f);
  const PagePoint c = proj3d(st, 2000.0f, 600.0f);
  grffin(st);
  std::vector<DevicePoint> p = points();
  ASSERT_EQ(p.size(), 4u);
  // The second piece starts where the first ended on the page, mapped once.
  EXPECT_EQ(p[2].code, 3);
  EXPECT_EQ(p[2].x, p[1].x);
  EXPECT_EQ(p[2].y, p[1].y);
  EXPECT_EQ(p[1].x, static_cast<int>(b.x + 0.5f));
  EXPECT_EQ(p[1].y, static_cast<int>(b.y + 0.5f));
  EXPECT_EQ(p[3].x, static_cast<int>(c.x + 0.5f));
  EXPECT_EQ(p[3].y, static_cast<int>(c.y + 0.5f));
  finish();
}

}  // namespace
}  // namespace plotix::test
