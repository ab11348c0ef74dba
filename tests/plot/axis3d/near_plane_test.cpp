// Nothing behind the viewer is drawn: lines and sphere patches are cut at a near
// plane before projection. Checked against an independent camera: every drawn
// point lies on the projected segment, on the side of the start that points
// towards the part in front, never mirrored through the centre.
#include <cmath>

#include "axis_system_fixture.h"
#include "plot/axis3d/clip3d.h"
#include "plot/axis3d/move_draw3d.h"
#include "plot/axis3d/plane3d.h"

namespace plotix::test {
namespace {

struct V3 {
  double x, y, z;
};

class NearPlane : public Graf3dTest {
 protected:
  // Viewer at (0.3, -0.2, 1.5) looking at the box centre (default camera: up z).
  static constexpr V3 kEye{0.3, -0.2, 1.5};

  // Independent camera: depth along the line of sight, and the page point.
  static double depth(V3 p) {
    const double n = std::sqrt(kEye.x * kEye.x + kEye.y * kEye.y + kEye.z * kEye.z);
    return -((p.x - kEye.x) * kEye.x + (p.y - kEye.y) * kEye.y + (p.z - kEye.z) * kEye.z) / n;
  }
  static void page(const PlotState& s, V3 p, double& px, double& py) {
    const PagePoint q = abs3pt(s, {float(p.x), float(p.y), float(p.z)});
    px = q.x;
    py = q.y;
  }

  // The device got one line from the page point of `start` along the projected
  // segment towards `end`, forwards (not mirrored through the centre).
  void expect_drawn_forwards_from(const PlotState& s, V3 start, V3 end) {
    const auto drawn = points();
    ASSERT_EQ(drawn.size(), 2u);
    // Direction of the in-front part on the page: towards a point a little along.
    const V3 ahead{start.x + 0.01 * (end.x - start.x), start.y + 0.01 * (end.y - start.y),
                   start.z + 0.01 * (end.z - start.z)};
    double sx, sy, ax, ay;
    page(s, start, sx, sy);
    page(s, ahead, ax, ay);
    EXPECT_NEAR(drawn[0].x, sx, 0.5);
    EXPECT_NEAR(drawn[0].y, sy, 0.5);
    const double ux = ax - sx, uy = ay - sy, ul = std::hypot(ux, uy);
    const double dx = drawn[1].x - sx, dy = drawn[1].y - sy;
    EXPECT_GT((dx * ux + dy * uy) / ul, 100.0) << "drawn away from the start, forwards";
    EXPECT_LT(std::fabs(dx * uy - dy * ux) / ul, 1.0) << "on the projected line";
  }
};

TEST_F(NearPlane, SegmentsLeavingThroughTheViewersPlaneStopInFront) {
  PlotState& s = open_box(0.3f, -0.2f, 1.5f);
  s.axis3d.iclp3 = kClipNone;
  const V3 start{-0.5, 0.2, 0.0};
  for (V3 end : {V3{0.6, -0.4, 3.0}, V3{0.2, 0.9, 2.5}, V3{-0.8, -0.7, 4.0}}) {
    ASSERT_GT(depth(start), 0.5);
    ASSERT_LT(depth(end), 0.0) << "the end lies behind the viewer";
    log_->calls.clear();
    qqst3d(s, {float(start.x), float(start.y), float(start.z)});
    qqcn3d(s, {float(end.x), float(end.y), float(end.z)});
    qqstrk(s);
    expect_drawn_forwards_from(s, start, end);
  }
  // A segment wholly behind the viewer draws nothing.
  log_->calls.clear();
  qqst3d(s, {0.5f, -0.4f, 2.5f});
  qqcn3d(s, {0.1f, 0.3f, 3.0f});
  qqstrk(s);
  EXPECT_TRUE(points().empty());
}

TEST_F(NearPlane, SphereAcrossTheViewersPlaneKeepsItsPartInFront) {
  PlotState& s = open_box(0.3f, -0.2f, 1.5f);
  s.axis3d.iclp3 = kClipNone;
  // Beside the line of sight, crossing the viewer's plane, the viewer outside it.
  const double e = std::sqrt(kEye.x * kEye.x + kEye.y * kEye.y + kEye.z * kEye.z);
  const V3 fwd{-kEye.x / e, -kEye.y / e, -kEye.z / e};
  const double rn = std::hypot(fwd.x, fwd.y);
  const V3 right{fwd.y / rn, -fwd.x / rn, 0.0};
  const V3 c{kEye.x + 0.1 * fwd.x + 0.35 * right.x, kEye.y + 0.1 * fwd.y + 0.35 * right.y,
             kEye.z + 0.1 * fwd.z + 0.35 * right.z};
  sphe3d(float(c.x), float(c.y), float(c.z), 0.3f, 10, 10);
  qqstrk(s);
  int n = 0;
  for (const auto& call : log_->calls) n += call.kind == devices::CallKind::kFillTriangle || call.kind == devices::CallKind::kMoveDraw;
  EXPECT_GT(n, 0) << "the part in front is drawn";
}

}  // namespace
}  // namespace plotix::test

namespace plotix::test {
namespace {

// Axis lines on a box face that reaches behind the viewer are cut where the face
// leaves the frustum; a label stroke with an end behind the viewer is dropped.
TEST_F(NearPlane, LinesOnAPlaneReachingBehindTheViewerStopInFront) {
  PlotState& s = open_box(0.3f, -0.2f, 1.5f);
  const V3 start{-0.5, 0.2, 0.0}, end{0.6, -0.4, 3.0};
  ASSERT_LT(depth(end), 0.0) << "the end lies behind the viewer";
  // The plane's x direction runs from start to end: the axis area's lower edge.
  grfini(s, {float(start.x), float(start.y), float(start.z)}, {float(end.x), float(end.y), float(end.z)},
         {float(end.x), float(end.y) + 0.5f, float(end.z)});
  float x1 = float(s.core.nxa), y1 = float(s.core.nya);
  float x2 = float(s.core.nxa + s.core.nxl - 1), y2 = y1;
  ASSERT_TRUE(clip_plane_segment(s, x1, y1, x2, y2));
  EXPECT_EQ(x1, float(s.core.nxa)) << "the end in front is kept as it was";
  strtqq(s, x1, y1);
  connqq(s, x2, y2);
  qqstrk(s);
  expect_drawn_forwards_from(s, start, end);

  log_->calls.clear();
  strtqq(s, float(s.core.nxa), y1);
  connqq(s, float(s.core.nxa + s.core.nxl - 1), y1);
  qqstrk(s);
  EXPECT_LT(points().size(), 2u) << "an uncut stroke to a point behind draws no line";
  grffin(s);
}

}  // namespace
}  // namespace plotix::test
