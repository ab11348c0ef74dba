// Viewing matrix, projection and clipping of the 3D pipeline, checked against an
// independent look-at construction and hand-worked segments.
#include <gtest/gtest.h>

#include <cmath>

#include "plot/axis3d/clip3d.h"
#include "plot/draw3d/polygon_clip3d.h"
#include "plot/axis3d/projection3d.h"
#include "plot/vector3.h"

namespace plotix {
namespace {

using test::V3;
using test::cross;
using test::dot;
using test::sub;
using test::unit;

// Page point of p seen from eye towards target, as a camera whose up is towards
// `up_hint` (z by default) would see it: lateral offsets over depth, scaled so
// that the cone edge lies 700 units out.
void look_at(V3 eye, V3 target, V3 p, double& px, double& py, V3 up_hint = {0, 0, 1}) {
  const V3 f = unit(sub(target, eye));
  const V3 right = unit(cross(f, up_hint));
  const V3 up = cross(right, f);
  const V3 d = sub(p, eye);
  const double depth = dot(d, f) * 0.25;  // tan of the default half opening angle
  px = 700.0 * dot(d, right) / depth + 1484.0;
  py = -700.0 * dot(d, up) / depth + 1099.0;
}

PlotState default_view() {
  PlotState s;
  s.axis3d.view3[0] = 4;
  s.axis3d.view3[1] = -5;
  s.axis3d.view3[2] = 4;
  s.axis3d.scl3 = 700;
  s.axis3d.xcen3 = 1484;
  s.axis3d.ycen3 = 1099;
  qqgmat(s);
  return s;
}

TEST(Axis3dProjection, DefaultViewMatchesLookAtCamera) {
  const PlotState s = default_view();
  const PagePoint c = abs3pt(s, {0, 0, 0});
  EXPECT_NEAR(c.x, 1484.0, 1e-3);
  EXPECT_NEAR(c.y, 1099.0, 1e-3);
  for (int sx : {-1, 1})
    for (int sy : {-1, 1})
      for (int sz : {-1, 1}) {
        double ex, ey;
        look_at({4, -5, 4}, {0, 0, 0}, {double(sx), double(sy), double(sz)}, ex, ey);
        const PagePoint p = abs3pt(s, {float(sx), float(sy), float(sz)});
        EXPECT_NEAR(p.x, ex, 0.01) << sx << sy << sz;
        EXPECT_NEAR(p.y, ey, 0.01) << sx << sy << sz;
      }
  // The top of the box lies above its centre on the page (y grows downwards).
  EXPECT_LT(abs3pt(s, {0, 0, 1}).y, 1099.0f);
}

TEST(Axis3dProjection, ConeEdgeLandsAtScaleDistance) {
  PlotState s = default_view();
  s.axis3d.view3[0] = 0;
  s.axis3d.view3[1] = -10;
  s.axis3d.view3[2] = 0;
  qqgmat(s);
  // Looking along +y from y = -10: a point 10 ahead and 2.5 to the right sits on
  // the cone edge (tan = 0.25), so 700 units right of the centre.
  const PagePoint p = abs3pt(s, {2.5f, 0, 0});
  EXPECT_NEAR(p.x, 1484.0 + 700.0, 0.05);
  EXPECT_NEAR(p.y, 1099.0, 0.05);
}

TEST(Axis3dProjection, VerticalViewAboveAndBelow) {
  PlotState s = default_view();
  s.axis3d.view3[0] = 0.5f;
  s.axis3d.view3[1] = 0.25f;
  s.axis3d.view3[2] = 5.0f;
  s.axis3d.foc3[0] = 0.5f;
  s.axis3d.foc3[1] = 0.25f;
  qqgmat(s);
  const auto& m = s.axis3d.mat3d;
  const float want_x[4] = {1, 0, 0, -0.5f};
  const float want_y[4] = {0, 1, 0, -0.25f};
  const float want_w[4] = {0, 0, -0.25f, 0.25f * 5};
  const float want_z[4] = {0, 0, -0.25f, 0.25f * 5 - 0.25f};
  for (int k = 0; k < 4; ++k) {
    EXPECT_NEAR(m[0][k], want_x[k], 1e-6) << k;
    EXPECT_NEAR(m[1][k], want_y[k], 1e-6) << k;
    EXPECT_NEAR(m[2][k], want_z[k], 1e-6) << k;
    EXPECT_NEAR(m[3][k], want_w[k], 1e-6) << k;
  }
  // Both vertical views agree with a camera whose up is +y; the view from below
  // is therefore the mirror image (in page x) of the view from above.
  for (double vz : {5.0, -5.0}) {
    s.axis3d.view3[2] = static_cast<float>(vz);
    qqgmat(s);
    for (V3 p : {V3{1, 1, 1}, V3{-1, 0.5, -1}, V3{0.75, -1, 0}}) {
      double ex, ey;
      look_at({0.5, 0.25, vz}, {0.5, 0.25, 0}, p, ex, ey, {0, 1, 0});
      const PagePoint q = abs3pt(s, {float(p.x), float(p.y), float(p.z)});
      EXPECT_NEAR(q.x, ex, 0.01) << vz;
      EXPECT_NEAR(q.y, ey, 0.01) << vz;
      EXPECT_GT(qqgsc3(s, {float(p.x), float(p.y), float(p.z)})[3], 0.0) << "in front, " << vz;
    }
  }
  // A twist of 90 degrees turns the page x axis onto -y.
  s.axis3d.view3[2] = 5.0f;
  s.axis3d.vtwist3 = 1.5707964f;
  qqgmat(s);
  EXPECT_NEAR(s.axis3d.mat3d[0][0], 0.0, 1e-6);
  EXPECT_NEAR(s.axis3d.mat3d[0][1], -1.0, 1e-6);
  EXPECT_NEAR(s.axis3d.mat3d[1][0], 1.0, 1e-6);
}

TEST(Axis3dProjection, NearAndFarRowsBoundTheDepth) {
  PlotState s = default_view();
  // Without a far distance, Z = W - t*h: zero at the near distance.
  const double r = std::sqrt(57.0);
  const float at_near = float(1.0 - 1.0 / r);  // one unit from V towards F
  Point3 p{};
  for (int k = 0; k < 3; ++k) p[k] = s.axis3d.view3[k] * at_near;
  Homog4 h = qqgsc3(s, p);
  EXPECT_NEAR(h[2], 0.0, 1e-5);
  EXPECT_NEAR(h[3], 0.25, 1e-5);

  s.axis3d.vfar3 = 10.0f;
  qqgmat(s);
  const float at_far = float(1.0 - 10.0 / r);
  for (int k = 0; k < 3; ++k) p[k] = s.axis3d.view3[k] * at_far;
  h = qqgsc3(s, p);
  EXPECT_NEAR(h[2], h[3], 1e-5);  // Z = W at the far distance
  EXPECT_NEAR(h[3], 2.5, 1e-5);
  for (int k = 0; k < 3; ++k) p[k] = s.axis3d.view3[k] * at_near;
  EXPECT_NEAR(qqgsc3(s, p)[2], 0.0, 1e-5);
}

TEST(Axis3dProjection, UserToAbsoluteLinearLogAndTransform) {
  PlotState s;
  s.axis3d.xa3 = -2.05f;
  s.axis3d.xe3 = 0.05f;
  s.axis3d.ya3 = 1;
  s.axis3d.ye3 = 3;  // log axis: exponents 1..3
  s.axis3d.ilog3[1] = 1;
  s.axis3d.za3 = 5;
  s.axis3d.ze3 = -5;  // descending
  s.axis3d.ax3len[2] = 4;
  const Point3 a = qqpos3(s, -1.0f, 100.0f, 2.5f);
  EXPECT_NEAR(a[0], 1.05 * 2 / 2.1 - 1, 1e-6);
  EXPECT_NEAR(a[1], 0.0, 1e-6);
  EXPECT_NEAR(a[2], -1.0, 1e-6);
  EXPECT_EQ(qqbas3(s, -1.0f, 100.0f, 2.5f), a);
  s.axis3d.itrf3 = 1;
  // Swap x and y and shift z by 0.5.
  const float t[3][4] = {{0, 1, 0, 0}, {1, 0, 0, 0}, {0, 0, 1, 0.5f}};
  std::copy(&t[0][0], &t[0][0] + 12, &s.axis3d.trf3[0][0]);
  const Point3 b = qqbas3(s, -1.0f, 100.0f, 2.5f);
  EXPECT_FLOAT_EQ(b[0], a[1]);
  EXPECT_FLOAT_EQ(b[1], a[0]);
  EXPECT_FLOAT_EQ(b[2], a[2] + 0.5f);
}

TEST(Axis3dClipping, SegmentsAgainstTheBox) {
  const float len[3] = {2, 2, 2};
  Point3 a{0, 0, 0}, b{3, 0.3f, 0};
  ASSERT_TRUE(qqclp1(len, a, b));  // inside -> outside: cut at the face x = 1
  EXPECT_EQ(a, (Point3{0, 0, 0}));
  EXPECT_FLOAT_EQ(b[0], 1.0f);
  EXPECT_FLOAT_EQ(b[1], 0.1f);

  Point3 c{-3, 0.5f, -2}, d{3, 0.5f, 2};  // both outside, crossing: z = 2x/3
  ASSERT_TRUE(qqclp1(len, c, d));
  EXPECT_FLOAT_EQ(c[0], -1.0f);
  EXPECT_NEAR(c[2], -2.0 / 3, 1e-6);
  EXPECT_FLOAT_EQ(d[0], 1.0f);
  EXPECT_NEAR(d[2], 2.0 / 3, 1e-6);
  EXPECT_FLOAT_EQ(c[1], 0.5f);

  Point3 e{-2, -2, 0}, f{2, 2, 0.5f};  // through two edges at once
  ASSERT_TRUE(qqclp1(len, e, f));
  EXPECT_NEAR(e[0], -1, 1e-6);
  EXPECT_NEAR(e[1], -1, 1e-6);
  EXPECT_NEAR(f[0], 1, 1e-6);
  EXPECT_NEAR(f[2], 0.375, 1e-6);

  Point3 g{-2, 0.5f, 0}, h{0.5f, 3, 0};  // passes beside the corner: y = x + 2.5
  EXPECT_FALSE(qqclp1(len, g, h));
  Point3 i{2, 2, 0}, j{2, -2, 0};  // both beyond x = 1
  EXPECT_FALSE(qqclp1(len, i, j));

  EXPECT_EQ(chkvl3(len, {1.0f, -1.0f, 0}), 0);  // on the faces counts as inside
  EXPECT_EQ(chkvl3(len, {1.5f, -1.0f, -3}), 2);
}

TEST(Axis3dClipping, SegmentsAgainstTheViewVolume) {
  Homog4 a{0, 0, 0.5, 1}, b{2, 0, 0.5, 1};
  ASSERT_TRUE(qqclp3(a, b));  // X > W beyond the middle: cut at X = W
  EXPECT_NEAR(b[0], 1.0, 1e-12);
  EXPECT_NEAR(a[0], 0.0, 1e-12);

  Homog4 c{0, 0, -1, 1}, d{0, 0, 3, 1};  // before the near plane and beyond the far one
  ASSERT_TRUE(qqclp3(c, d));
  EXPECT_NEAR(c[2], 0.0, 1e-12);
  EXPECT_NEAR(d[2], 1.0, 1e-12);

  Homog4 e{-3, 0, 0.5, 1}, f{-2, 5, 0.5, 1};  // both left of X = -W
  EXPECT_FALSE(qqclp3(e, f));
  Homog4 g{1.5, 0.8, 0.5, 1}, h{0.8, 1.5, 0.5, 1};  // passes outside the corner X = Y = W
  EXPECT_FALSE(qqclp3(g, h));
  EXPECT_TRUE(inside_view_volume({1, -1, 1, 1}));
  EXPECT_FALSE(inside_view_volume({0, 0, -0.01, 1}));
}

double polygon_area_xy(const Polygon3& p) {
  double a = 0;
  for (int i = 0; i < p.n; ++i) {
    const Point3& u = p.v[i];
    const Point3& w = p.v[(i + 1) % p.n];
    a += double(u[0]) * w[1] - double(w[0]) * u[1];
  }
  return std::fabs(a) / 2;
}

TEST(Axis3dClipping, PatchesAgainstTheBox) {
  const float len[3] = {2, 2, 2};
  Polygon3 p;
  p.n = 4;
  p.v[0] = {0, 0, 0};
  p.v[1] = {2, 0, 0};
  p.v[2] = {2, 2, 0};
  p.v[3] = {0, 2, 0};
  ASSERT_TRUE(qqclp2(len, p));  // the quarter inside the box remains
  EXPECT_EQ(p.n, 4);
  EXPECT_NEAR(polygon_area_xy(p), 1.0, 1e-6);
  for (int i = 0; i < p.n; ++i) {
    EXPECT_LE(p.v[i][0], 1.0f);
    EXPECT_LE(p.v[i][1], 1.0f);
  }

  // A diamond bigger than the box in z = 0 becomes an octagon: 8 vertices fit.
  Polygon3 q;
  q.n = 4;
  q.v[0] = {1.3f, 0, 0};
  q.v[1] = {0, 1.3f, 0};
  q.v[2] = {-1.3f, 0, 0};
  q.v[3] = {0, -1.3f, 0};
  ASSERT_TRUE(qqclp2(len, q));
  EXPECT_EQ(q.n, 8);
  EXPECT_NEAR(polygon_area_xy(q), 2 * 1.3 * 1.3 - 4 * (0.5 * 0.6 * 0.3), 1e-5);  // tips cut off

  // The same diamond tilted to z = 0.9x + 0.4y would need 10 vertices: dropped.
  q.n = 4;
  q.v[0] = {1.3f, 0, 1.17f};
  q.v[1] = {0, 1.3f, 0.52f};
  q.v[2] = {-1.3f, 0, -1.17f};
  q.v[3] = {0, -1.3f, -0.52f};
  EXPECT_FALSE(qqclp2(len, q));
  EXPECT_EQ(q.n, 0);

  Polygon3 r;  // wholly beyond z = 1
  r.n = 3;
  r.v[0] = {0, 0, 2};
  r.v[1] = {1, 0, 2};
  r.v[2] = {0, 1, 2};
  EXPECT_FALSE(qqclp2(len, r));
}

}  // namespace
}  // namespace plotix
