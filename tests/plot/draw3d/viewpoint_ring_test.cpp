// The same scene from a ring of viewpoints, written as BMP and read back through
// ImageMagick: every green (path) pixel must lie where an independent camera puts
// a point of the path that is in front of the viewer, so nothing is drawn
// mirrored through the centre; and the path must show in every view.
#include <gtest/gtest.h>

#include <cmath>
#include <algorithm>
#include <cstdio>
#include <utility>

#include "devices/outside_readers.h"
#include "plot/core/global_state.h"
#include "plot/draw3d/ring_scene.h"
#include "plot/vector3.h"
#include "test_support/temp_dir.h"

namespace plotix::test {
namespace {


// A camera at eye looking at target with z up (y up when looking straight up or
// down), the default cone (tan 0.25 fills `scale` page units around the line of
// sight's page point: 700 around (1484, 1099), or less and moved where the library
// fitted the picture to keep its labels on the page), and the 2969 x 2099 page in
// 1600 x 1200 pixels.
struct Camera {
  V3 eye, fwd, right, up;
  RingProjection page;
  Camera(V3 e, V3 target, RingProjection projection) : eye(e), fwd(unit(sub(target, e))), page(projection) {
    const bool vertical = std::hypot(fwd.x, fwd.y) < 1e-6;
    right = unit(cross(fwd, vertical ? V3{0, 1, 0} : V3{0, 0, 1}));
    up = cross(right, fwd);
  }
  double depth(V3 p) const { return dot(sub(p, eye), fwd); }
  void pixel(V3 p, double& px, double& py) const {
    const V3 d = sub(p, eye);
    const double s = std::min(1599.0 / 2969.0, 1199.0 / 2099.0);
    px = (page.xcen + page.scale * dot(d, right) / (0.25 * depth(p))) * s;
    py = (page.ycen - page.scale * dot(d, up) / (0.25 * depth(p))) * s;
  }
};

V3 lerp(V3 a, V3 b, double t) { return {a.x + t * (b.x - a.x), a.y + t * (b.y - a.y), a.z + t * (b.z - a.z)}; }

// Marks the pixels within two of the 2D segment (ax, ay)-(bx, by), the part of
// it near the picture only.
void mark_segment(std::vector<char>& mask, double ax, double ay, double bx, double by) {
  double t0 = 0, t1 = 1;
  const double d[2] = {bx - ax, by - ay}, lo[2] = {-4 - ax, -4 - ay}, hi[2] = {1604 - ax, 1204 - ay};
  for (int k = 0; k < 2; ++k) {
    if (d[k] == 0) {
      if (lo[k] > 0 || hi[k] < 0) return;
      continue;
    }
    double e = lo[k] / d[k], f = hi[k] / d[k];
    if (e > f) std::swap(e, f);
    t0 = std::max(t0, e);
    t1 = std::min(t1, f);
  }
  if (t0 > t1) return;
  const int steps = 1 + static_cast<int>(2 * std::hypot(d[0], d[1]) * (t1 - t0));
  for (int i = 0; i <= steps; ++i) {
    const double t = t0 + (t1 - t0) * i / steps;
    const int cx = static_cast<int>(ax + t * d[0]), cy = static_cast<int>(ay + t * d[1]);
    for (int y = cy - 2; y <= cy + 2; ++y)
      for (int x = cx - 2; x <= cx + 2; ++x)
        if (x >= 0 && y >= 0 && x < 1600 && y < 1200) mask[y * 1600 + x] = 1;
  }
}

TEST(ViewpointRing, PathPixelsLieWhereACameraPutsThemAndNowhereElse) {
  const auto dir = test_support::fresh_folder("viewpoint_ring");
  const RingPath path;
  const auto views = ring_views();
  for (std::size_t i = 0; i < views.size(); ++i) {
    const RingView& v = views[i];
    const std::string file = (dir / ("view" + std::to_string(i) + ".bmp")).string();
    free_global_state();
    ::testing::internal::CaptureStdout();
    const RingProjection projection = save_ring_view(v, path, file);
    EXPECT_LE(projection.scale, 700.0f);
    EXPECT_GT(projection.scale, 100.0f);
    ::testing::internal::GetCapturedStdout();
    const auto picture = devices::testing::read_picture(file);
    ASSERT_EQ(picture.width, 1600) << file;

    // Where the camera puts the path: the part of every segment in front of
    // the viewer, projected (a straight segment stays straight), widened by two
    // pixels.
    const Camera cam({v.view[0], v.view[1], v.view[2]}, {v.focus[0], v.focus[1], v.focus[2]}, projection);
    std::vector<char> expected(1600 * 1200, 0);
    constexpr double kNear = 1e-3;
    for (std::size_t k = 0; k + 1 < path.x.size(); ++k) {
      V3 p{path.x[k], path.y[k], path.z[k]}, q{path.x[k + 1], path.y[k + 1], path.z[k + 1]};
      const double dp = cam.depth(p), dq = cam.depth(q);
      if (dp < kNear && dq < kNear) continue;
      if (dp < kNear) p = lerp(p, q, (kNear - dp) / (dq - dp));
      if (dq < kNear) q = lerp(q, p, (kNear - dq) / (dp - dq));
      double ax, ay, bx, by;
      cam.pixel(p, ax, ay);
      cam.pixel(q, bx, by);
      mark_segment(expected, ax, ay, bx, by);
    }
    int green = 0, stray = 0;
    for (int y = 0; y < 1200; ++y)
      for (int x = 0; x < 1600; ++x) {
        const auto c = picture.at(x, y);
        if (!(c.g > 200 && c.r < 80 && c.b < 80)) continue;
        ++green;
        stray += !expected[y * 1600 + x];
      }
    EXPECT_GT(green, 200) << "view " << i << ": the path shows";
    EXPECT_EQ(stray, 0) << "view " << i << ": green pixels away from the camera's path";
  }
  free_global_state();
}

}  // namespace
}  // namespace plotix::test
