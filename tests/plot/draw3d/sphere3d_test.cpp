// sphe3d: tessellation and facing test, clipping at the box, degenerate input.
#include <cmath>
#include <string>

#include "plot/lines/polyline.h"
#include "plot/plot3d.h"
#include "plot/axis3d/projection3d.h"
#include "plot/axis3d/view_frustum.h"
#include "plot/draw3d/sphere_patches.h"
#include "plot/axis3d/axis_system_fixture.h"

namespace plotix {
namespace {

class Sphere3d : public test::Graf3dTest {
 protected:
  int triangles() const { return log_->count(devices::CallKind::kFillTriangle); }
};

// Patches of a 10 x 10 sphere whose centre direction faces the viewer, counted
// from the patch centres rather than from corner cross products.
int patches_facing(const double c[3], double r, const double v[3]) {
  const double pi = 3.14159265358979;
  int n = 0;
  for (int i = 0; i < 10; ++i) {
    const double phi = (i + 0.5) * pi / 10 - pi / 2;
    for (int j = 0; j < 10; ++j) {
      const double lam = (j + 0.5) * 2 * pi / 10;
      const double d[3] = {std::cos(phi) * std::cos(lam), std::cos(phi) * std::sin(lam), std::sin(phi)};
      double dot = 0;
      for (int k = 0; k < 3; ++k) dot += d[k] * (c[k] + r * d[k] - v[k]);
      if (dot < 0) ++n;
    }
  }
  return n;
}

TEST_F(Sphere3d, AboutHalfThePatchesAreCulled) {
  PlotState& s = open_box();
  s.line.ncolor = 0x0100FFFF;
  sphe3d(0.2f, -0.1f, 0.3f, 0.5f, 10, 10);
  const double c[3] = {0.2, -0.1, 0.3}, v[3] = {4, -5, 4};
  const int facing = patches_facing(c, 0.5, v);
  EXPECT_GE(facing, 40);
  EXPECT_LE(facing, 50);
  // Every drawn patch is a quad (two triangles, one of them flat at a pole).
  EXPECT_EQ(triangles(), 2 * facing);
  for (const auto& t : calls(devices::CallKind::kFillTriangle)) EXPECT_EQ(t.v[6], 0x0100FFFF);
  EXPECT_EQ(s.line.ncolor, 0x0100FFFF);
  EXPECT_EQ(s.axis3d.iclp3, 0);  // switched off for the sphere, then restored

  log_->calls.clear();
  s.draw3d.ibackface = 2;
  sphe3d(0.2f, -0.1f, 0.3f, 0.5f, 10, 10);
  EXPECT_EQ(triangles(), 2 * (100 - facing));
  log_->calls.clear();
  s.draw3d.ibackface = 0;
  sphe3d(0.2f, -0.1f, 0.3f, 0.5f, 10, 10);
  EXPECT_EQ(triangles(), 200);
}

TEST_F(Sphere3d, TessellationOrderAndPoleBand) {
  std::vector<SpherePatch> patches;
  for_each_sphere_patch({1, 2, 3}, 2.0f, 4, 2, [&](const SpherePatch& p) { patches.push_back(p); });
  ASSERT_EQ(patches.size(), 8u);
  // Band 0 starts at the south pole, sector 0 at +x, sectors counter-clockwise.
  const SpherePatch& first = patches[0];
  EXPECT_EQ(first.band, 0);
  EXPECT_NEAR(first.corner[0][2], 1.0, 1e-6);  // south pole
  EXPECT_NEAR(first.corner[2][0], 1.0, 1e-6);  // equator at 90 degrees: (1, 4, 3)
  EXPECT_NEAR(first.corner[2][1], 4.0, 1e-6);
  EXPECT_NEAR(first.corner[3][0], 3.0, 1e-6);  // equator at 0 degrees: (3, 2, 3)
  EXPECT_NEAR(first.corner[3][1], 2.0, 1e-6);
  EXPECT_EQ(patches[4].band, 1);
  EXPECT_NEAR(patches[4].corner[2][2], 5.0, 1e-6);  // north pole
  // Seen from far out on +x, the patches of sector 0 face the viewer and those
  // of sector 2 (around -x) face away, in both bands.
  const Point3 far_x{50, 2, 3};
  EXPECT_EQ(jqqbfc(patches[0], far_x), 2);
  EXPECT_EQ(jqqbfc(patches[4], far_x), 2);
  EXPECT_EQ(jqqbfc(patches[2], far_x), 1);
  EXPECT_EQ(jqqbfc(patches[6], far_x), 1);
}

TEST_F(Sphere3d, PokingOutOfTheBoxIsCutFlat) {
  PlotState& s = open_box(0, 0, 10);
  s.draw3d.ibackface = 0;
  sphe3d(1, 0, 0, 0.5f, 10, 10);
  ASSERT_GT(triangles(), 0);
  // From straight above, the face x = 1 at height z projects to
  // 1484 + 700 / (0.25 * (10 - z)); at most z = 0.5 of the sphere.
  const double face = 1484 + 700 / (0.25 * 9.5);
  double xmax = 0;
  for (const auto& t : calls(devices::CallKind::kFillTriangle)) {
    for (int k = 0; k < 3; ++k) xmax = std::max(xmax, t.v[2 * k]);
  }
  EXPECT_LE(xmax, face + 1);
  EXPECT_GE(xmax, face - 2);
  EXPECT_EQ(s.axis3d.iclp3, 0);
}

TEST_F(Sphere3d, DegenerateSpheres) {
  PlotState& s = open_box();
  sphe3d(0, 0, 0, 0, 10, 10);
  EXPECT_EQ(triangles(), 0);
  EXPECT_EQ(s.core.nwarn, 0);
  ::testing::internal::CaptureStdout();
  sphe3d(0, 0, 0, 0.5f, 0, 10);
  sphe3d(0, 0, 0, 0.5f, 10, -1);
  EXPECT_EQ(::testing::internal::GetCapturedStdout(),
            " <<<< Warning   2: Incorrect parameter in sphe3d!   (   0)\n"
            " <<<< Warning   2: Incorrect parameter in sphe3d!   (  -1)\n");
  EXPECT_EQ(triangles(), 0);
}

TEST_F(Sphere3d, RadiusFollowsTheXScaling) {
  PlotState& s = open_unit_screen();
  axis3d(4, 2, 2);
  view3d(0, 0, 20, "ABS");
  ::testing::internal::CaptureStdout();
  graf3d(0, 8, 0, 1, -1, 1, -1, 1, -1, 1, -1, 1);  // 2 user units per absolute unit in x
  ::testing::internal::GetCapturedStdout();
  qqstrk(s);
  log_->calls.clear();
  s.draw3d.ibackface = 0;
  sphe3d(4, 0, 0, 1, 16, 8);  // radius 0.5 absolute, at the centre of the box
  double xmin = 1e9, xmax = -1e9;
  for (const auto& t : calls(devices::CallKind::kFillTriangle)) {
    for (int k = 0; k < 3; ++k) {
      xmin = std::min(xmin, t.v[2 * k]);
      xmax = std::max(xmax, t.v[2 * k]);
    }
  }
  // From straight above at height 20, the equator (z = 0, r = 0.5) lies
  // 700 * 0.5 / (0.25 * 20) = 70 units either side of the centre.
  EXPECT_NEAR(xmax, 1484 + 70, 1.0);
  EXPECT_NEAR(xmin, 1484 - 70, 1.0);
}

TEST_F(Sphere3d, PatchesCrossingThePageBorderAreHatched) {
  PlotState& s = open_box(0, 0, 1.6f);  // just above the box, close to the sphere
  // The projection at its full size, not shrunk to keep the labels on the page,
  // so the sphere overflows the page.
  s.axis3d.scl3 = 700;
  set_view_frustum(s);
  s.line.ncolor = 0x010000FF;
  sphe3d(0, 0, 0, 0.9f, 10, 10);
  // Triangles inside the page go to the device's fill; those crossing the border
  // become horizontal hatch lines clipped at the page.
  EXPECT_GT(triangles(), 0);
  int hatch_draws = 0;
  for (const auto& p : points()) {
    if (p.code != 2) continue;
    ++hatch_draws;
    EXPECT_GE(p.x, 0);
    EXPECT_LE(p.x, 2969);
    EXPECT_GE(p.y, 0);
    EXPECT_LE(p.y, 2099);
  }
  EXPECT_GT(hatch_draws, 500);
  EXPECT_EQ(s.line.ncolor, 0x010000FF);
}

TEST_F(Sphere3d, ViewVolumeClippingSkipsWholePatches) {
  PlotState& s = open_box();
  s.axis3d.iclp3 = 1;
  s.draw3d.ibackface = 0;
  sphe3d(0, 0, 0, 0.5f, 10, 10);  // wholly in the view volume
  EXPECT_EQ(triangles(), 200);
  log_->calls.clear();
  // Centred 1.2 units in front of the viewpoint with radius 0.5: the patches
  // reaching closer than the near distance (1 unit) are left out whole.
  const float f = static_cast<float>(1.0 - 1.2 / std::sqrt(57.0));
  sphe3d(4 * f, -5 * f, 4 * f, 0.5f, 10, 10);
  EXPECT_GT(triangles(), 0);
  EXPECT_LT(triangles(), 200);
  EXPECT_EQ(triangles() % 2, 0);  // whole quads only, never a cut polygon
  EXPECT_EQ(s.axis3d.iclp3, 1);
}

}  // namespace
}  // namespace plotix
