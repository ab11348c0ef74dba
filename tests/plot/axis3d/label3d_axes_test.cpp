// Axis labelling: the settings routines, one 2D axis (draw_axis) read back from
// the strokes the device receives, and the placement of the 3D axes.
#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "plot/axis3d/draw_axis.h"
#include "plot/lines/polyline.h"
#include "plot/axis3d/plane3d.h"
#include "plot/plot3d.h"
#include "plot/text/text_draw.h"
#include "plot/plot_fixture.h"

namespace plotix {
namespace {

using test::DevicePoint;

class Label3d : public test::PlotTest {
 protected:
  // Device points with y (or x for `by_x`) inside [lo, hi].
  std::vector<DevicePoint> band(double lo, double hi, bool by_x = false) const {
    std::vector<DevicePoint> out;
    for (const DevicePoint& p : points()) {
      const double v = by_x ? p.x : p.y;
      if (v >= lo && v <= hi) out.push_back(p);
    }
    return out;
  }
};

// Groups of points whose x (or y) lie closer than `gap` to each other.
struct Group {
  double lo, hi;
  double centre() const { return (lo + hi) / 2; }
};
std::vector<Group> groups(std::vector<DevicePoint> pts, double gap, bool by_y = false) {
  std::vector<double> v;
  for (const DevicePoint& p : pts) v.push_back(by_y ? p.y : p.x);
  std::sort(v.begin(), v.end());
  std::vector<Group> out;
  for (double x : v) {
    if (out.empty() || x - out.back().hi > gap) {
      out.push_back({x, x});
    } else {
      out.back().hi = x;
    }
  }
  return out;
}

TEST_F(Label3d, SettingsRoutines) {
  ::testing::internal::CaptureStdout();
  name("early", "X");  // before disini: warned, then cleared by disini
  PlotState& s = open_unit_screen();
  EXPECT_EQ(s.axis3d.cxname, "");
  name("Z", "xyz");
  EXPECT_EQ(s.axis3d.cxname, "Z");
  EXPECT_EQ(s.axis3d.cyname, "Z");
  EXPECT_EQ(s.axis3d.czname, "Z");
  name(std::string(140, 'n'), "Y");
  EXPECT_EQ(s.axis3d.cyname.size(), 132u);
  name("later", "ABCZ");  // only the first three letters count
  EXPECT_EQ(s.axis3d.czname, "Z");
  hname(0);
  hname(26);
  labdig(-3, "X");
  labdig(-1, "xz");
  labdig(-2, "Y");
  labdig(4, "BARS");
  flab3d();
  EXPECT_EQ(::testing::internal::GetCapturedStdout(),
            " <<<< Warning   3: Incorrect level in name!   (   0)\n"
            " <<<< Warning   2: Incorrect parameter in hname!   (   0)\n"
            " <<<< Warning   2: Incorrect parameter in labdig!   (  -3)\n");
  EXPECT_EQ(s.axis3d.nhname, 26);
  EXPECT_EQ(s.axis3d.slot[0].ndig, -1);
  EXPECT_EQ(s.axis3d.slot[1].ndig, 1);
  EXPECT_EQ(s.axis3d.slot[1].iautodig, 1);
  EXPECT_EQ(s.axis3d.slot[2].ndig, -1);
  EXPECT_EQ(s.axis3d.iflab3, 0);
}

TEST_F(Label3d, HorizontalAxisLineTicksNumbersAndName) {
  PlotState& s = open_unit_screen();
  s.text.nhchar = 30;
  s.axis3d.nhname = 40;
  AxisSpec a;
  a.start = -1;
  a.end = 1;
  a.first = -1;
  a.step = 1;
  a.name = "AXIS";
  a.x0 = 494;
  a.y0 = 1799;
  draw_axis(s, a);
  qqstrk(s);
  const auto pts = points();
  ASSERT_GE(pts.size(), 2u);
  EXPECT_EQ(pts[0].x, 494);
  EXPECT_EQ(pts[0].y, 1799);
  EXPECT_EQ(pts[1].x, 494 + 1979);
  EXPECT_EQ(pts[1].y, 1799);

  // Ticks every half step: long at the numbers, short between.
  const double tick_x[5] = {494, 495 + 494, 990 + 494, 1484 + 494, 1979 + 494};
  const int tick_len[5] = {24, 16, 24, 16, 24};
  for (int i = 0; i < 5; ++i) {
    const auto t = band(tick_x[i] - 0.1, tick_x[i] + 0.1, true);
    double lowest = 0;
    for (const DevicePoint& p : t) lowest = std::max(lowest, p.y);
    EXPECT_EQ(lowest, 1799 + tick_len[i]) << i;
  }
  EXPECT_EQ(tick_x[1], std::floor(494 + 0.5 * 1979 / 2 + 0.5));

  // Numbers "-1", "0", "1": between y0 + 48 and y0 + 48 + 29, centred on the ticks.
  const auto numbers = groups(band(1799 + 48, 1799 + 48 + 29), 40);
  ASSERT_EQ(numbers.size(), 3u);
  for (int i = 0; i < 3; ++i) EXPECT_NEAR(numbers[i].centre(), tick_x[2 * i], 6) << i;
  EXPECT_GT(numbers[0].hi - numbers[0].lo, numbers[2].hi - numbers[2].lo);  // "-1" wider than "1"
  // Nothing between the ticks and the numbers, nor between numbers and name.
  EXPECT_TRUE(band(1799 + 25, 1799 + 47).empty());
  EXPECT_TRUE(band(1799 + 48 + 30, 1799 + 78 + 29).empty());
  // The name, upper edge at y0 + 78 + nhchar, not level with the middle number
  // "0" (centred, a slanted face would show "AXIS" and "0" as one text) but in
  // the middle of the first gap between two numbers.
  const auto name_pts = band(1799 + 78 + 30, 1799 + 78 + 30 + 39);
  ASSERT_FALSE(name_pts.empty());
  const auto g = groups(name_pts, 1000);
  EXPECT_GT(g[0].lo, numbers[0].hi);
  EXPECT_LT(g[0].hi, numbers[1].lo);
  EXPECT_NEAR(g[0].centre(), (numbers[0].hi + numbers[1].lo) / 2, 10);
  EXPECT_GT(g[0].hi - g[0].lo, 3 * 39 - 40);
}

TEST_F(Label3d, SelectionMirrorAndReverse) {
  PlotState& s = open_unit_screen();
  s.text.nhchar = 30;
  s.axis3d.slot[0].nlabsel = 1;
  AxisSpec a;
  a.start = 1;  // reversed: 1 at the left end
  a.end = -1;
  a.first = 1;
  a.step = -1;
  a.mirrored = true;
  a.x0 = 494;
  a.y0 = 400;
  draw_axis(s, a);
  qqstrk(s);
  // Mirrored: ticks go up, numbers above with their lower edge at y0 - 48.
  EXPECT_TRUE(band(401, 2099).empty());
  const auto numbers = groups(band(400 - 48 - 30, 400 - 48 - 1), 40);
  ASSERT_EQ(numbers.size(), 2u);  // the first number (1, at the left) is left out
  EXPECT_NEAR(numbers[0].centre(), 494 + 990, 6);
  EXPECT_NEAR(numbers[1].centre(), 494 + 1979, 6);
  EXPECT_GT(numbers[1].hi - numbers[1].lo, 30);  // "-1" at the right end
}

TEST_F(Label3d, VerticalAxisNumbersEndBeforeTheTicks) {
  PlotState& s = open_unit_screen();
  s.text.nhchar = 30;
  s.axis3d.nhname = 30;
  AxisSpec a;
  a.slot = kVerticalSlot;
  a.start = 0;
  a.end = 2;
  a.first = 0;
  a.step = 1;
  a.name = "Z";
  a.x0 = 494;
  a.y0 = 1799;
  draw_axis(s, a);
  qqstrk(s);
  const auto pts = points();
  EXPECT_EQ(pts[1].x, 494);
  EXPECT_EQ(pts[1].y, 1799 - 1399);
  // Numbers "0.0", "1.0", "2.0" right-aligned to x0 - 48, centred on their ticks.
  const auto num = band(494 - 48 - 3 * 29, 494 - 48, true);
  const auto rows = groups(num, 40, true);
  ASSERT_EQ(rows.size(), 3u);
  EXPECT_NEAR(rows[0].centre(), 1799 - 1399, 4);
  EXPECT_NEAR(rows[2].centre(), 1799, 4);
  double right = 0;
  for (const DevicePoint& p : num) right = std::max(right, p.x);
  EXPECT_NEAR(right, 494 - 48, 29 / 6.0 + 1);
  // The name reads upwards left of the numbers, 30 units beyond the widest one.
  const int widest = nlmess(s, "0.0");
  const auto name_pts = band(494 - 78 - widest - 30, 494 - 78 - widest - 1, true);
  ASSERT_FALSE(name_pts.empty());
  // Along the axis it leaves the middle number "1.0" and stands in the gap below.
  const auto col = groups(name_pts, 1000, true);
  EXPECT_GT(col[0].lo, rows[1].hi);
  EXPECT_LT(col[0].hi, rows[2].lo);
  EXPECT_NEAR(col[0].centre(), (rows[1].hi + rows[2].lo) / 2, 10);
  EXPECT_TRUE(band(494 - 78 - widest, 494 - 48 - widest - 1, true).empty());
}

// Device points inside the page bounding box of a 2D rectangle of the axis area
// mapped onto a box plane.
int points_in_plane_box(const std::vector<DevicePoint>& pts, const PlotState& s, float x1,
                        float y1, float x2, float y2) {
  double lo_x = 1e9, hi_x = -1e9, lo_y = 1e9, hi_y = -1e9;
  for (float x : {x1, x2}) {
    for (float y : {y1, y2}) {
      const PagePoint p = proj3d(s, x, y);
      lo_x = std::min(lo_x, double(p.x));
      hi_x = std::max(hi_x, double(p.x));
      lo_y = std::min(lo_y, double(p.y));
      hi_y = std::max(hi_y, double(p.y));
    }
  }
  int n = 0;
  for (const DevicePoint& p : pts) {
    if (p.x >= lo_x && p.x <= hi_x && p.y >= lo_y && p.y <= hi_y) ++n;
  }
  return n;
}

TEST_F(Label3d, DefaultViewDropsFirstNumbersOfYAndZ) {
  int x_first[2], y_first[2], z_first[2];
  for (int with_flab3d = 0; with_flab3d < 2; ++with_flab3d) {
    free_global_state();
    log_->calls.clear();
    PlotState& s = open_unit_screen();
    labdig(-1, "XYZ");
    if (with_flab3d) flab3d();
    // z numbered from 0, so its first number stands apart from the others.
    graf3d(-1, 1, -1, 1, -1, 1, -1, 1, -1, 1, 0, 1);
    qqstrk(s);
    EXPECT_EQ(s.axis3d.slot[1].nlabsel, 0);
    EXPECT_EQ(s.axis3d.slot[2].nlabsel, 0);
    const auto pts = points();
    const float h = 54, w = 2 * 53;  // "-1" at 1.5 times the default height
    const float x0 = 494, y0 = 1799;
    // Row 20: x on corners 1, 2, 3, y on 2, 3, 4 (the floor), z on 1, 4, 8.
    const Point3 c1{-1, -1, -1}, c2{1, -1, -1}, c3{1, 1, -1}, c4{-1, 1, -1}, c8{-1, 1, 1};
    grfini(s, c1, c2, c3);
    x_first[with_flab3d] = points_in_plane_box(pts, s, x0 - w / 2, y0 + 48, x0 + w / 2, y0 + 48 + h);
    grfini(s, c2, c3, c4);
    y_first[with_flab3d] = points_in_plane_box(pts, s, x0 - w / 2, y0 + 48, x0 + w / 2, y0 + 48 + h);
    grfini(s, c1, c4, c8);
    const float top = y0 - 0.5f - 699.5f - h / 2;
    z_first[with_flab3d] = points_in_plane_box(pts, s, x0 - 48 - 53, top, x0 - 48, top + h);
    grffin(s);
  }
  // The boxes' page bounds may catch a stray point of a tick; the numbers
  // bring a whole glyph's worth.
  EXPECT_GT(x_first[0], 4);
  EXPECT_EQ(x_first[1], x_first[0]);
  EXPECT_GT(y_first[1], y_first[0] + 4);
  EXPECT_GT(z_first[1], z_first[0] + 4);
}

TEST_F(Label3d, ViewFromBelowMirrorsTheFloorAxes) {
  PlotState& s = open_unit_screen();
  view3d(4, -5, -4.5f, "ABS");  // z below the full length: row 18, x and y mirrored
  graf3d(-1, 1, -1, 1, -1, 1, -1, 1, -1, 1, -1, 1);
  qqstrk(s);
  const auto pts = points();
  ASSERT_GE(pts.size(), 4u);
  // Row 18 puts x on corners 4, 3, 2; drawn along the far long edge of the axis
  // area it lands on the front edge from corner 1 to corner 2 ...
  auto expect_near = [](const DevicePoint& p, const PagePoint& q, const char* what) {
    EXPECT_NEAR(p.x, q.x, 0.51) << what;
    EXPECT_NEAR(p.y, q.y, 0.51) << what;
  };
  expect_near(pts[0], abs3pt(s, {-1, -1, -1}), "axis start");
  expect_near(pts[1], abs3pt(s, {1, -1, -1}), "axis end");
  // ... and its first tick, 24 units of the axis area long, points out of the
  // box (towards -y), not into it.
  expect_near(pts[2], abs3pt(s, {-1, -1, -1}), "tick start");
  expect_near(pts[3], abs3pt(s, {-1, -1 - 24 * 2.0f / 1399, -1}), "tick end");
}

}  // namespace
}  // namespace plotix
