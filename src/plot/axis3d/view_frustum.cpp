// The near plane and the side planes of the camera, and segment clipping at them.
#include "plot/axis3d/view_frustum.h"

#include <algorithm>
#include <cmath>

namespace plotix {

namespace {

// Distance of the near plane before the viewer, as a share of the longest box
// edge: close enough that everything a camera would show is kept.
constexpr double kNearShare = 1.0e-3;

// The side planes stand this many times the farthest page corner out from the
// line of sight, so they never cut anything that reaches the page.
constexpr double kSideMargin = 2.0;

// W of the near plane: W grows by tan(vangle3) per unit of distance along the
// line of sight.
double near_plane_w(const PlotState& s) {
  const Axis3dState& a = s.axis3d;
  const double t = std::tan(static_cast<double>(a.vangle3));
  const double longest = std::max({a.ax3len[0], a.ax3len[1], a.ax3len[2]});
  return t * kNearShare * longest;
}

}  // namespace

void set_view_frustum(PlotState& s) {
  Axis3dState& a = s.axis3d;
  const float* x = a.mat3d[0];
  const float* y = a.mat3d[1];
  const float* w = a.mat3d[3];
  const double near_w = near_plane_w(s);

  // Farthest page corner from the projection centre, in units of projected X/W.
  const double dx = std::max<double>(a.xcen3, s.page.nxpage - a.xcen3);
  const double dy = std::max<double>(a.ycen3, s.page.nypage - a.ycen3);
  const double m = kSideMargin * std::hypot(dx, dy) / a.scl3;

  for (int k = 0; k < 4; ++k) {
    a.frustum3[0][k] = w[k];
    a.frustum3[1][k] = m * w[k] - x[k];
    a.frustum3[2][k] = m * w[k] + x[k];
    a.frustum3[3][k] = m * w[k] - y[k];
    a.frustum3[4][k] = m * w[k] + y[k];
  }
  a.frustum3[0][3] -= near_w;
}

double frustum_side(const PlotState& s, int i, const Point3& p) {
  const double* c = s.axis3d.frustum3[i];
  return c[0] * p[0] + c[1] * p[1] + c[2] * p[2] + c[3];
}

bool inside_frustum(const PlotState& s, const Point3& p) {
  for (int i = 0; i < kFrustumPlanes; ++i) {
    if (frustum_side(s, i, p) < 0.0) return false;
  }
  return true;
}

bool inside_widened_frustum(const PlotState& s, const Point3& p) {
  const double slack = -0.5 * near_plane_w(s);
  for (int i = 0; i < kFrustumPlanes; ++i) {
    if (frustum_side(s, i, p) < slack) return false;
  }
  return true;
}

bool frustum_shares(const PlotState& s, const Point3& p1, const Point3& p2, double& enter,
                    double& leave) {
  enter = 0.0;
  leave = 1.0;
  for (int i = 0; i < kFrustumPlanes; ++i) {
    const double b1 = frustum_side(s, i, p1), b2 = frustum_side(s, i, p2);
    if (b1 < 0.0 && b2 < 0.0) return false;
    if (b1 < 0.0) enter = std::max(enter, b1 / (b1 - b2));
    if (b2 < 0.0) leave = std::min(leave, b1 / (b1 - b2));
  }
  return enter < leave;
}

bool clip_to_frustum(const PlotState& s, Point3& p1, Point3& p2) {
  double enter = 0.0, leave = 1.0;
  if (!frustum_shares(s, p1, p2, enter, leave)) return false;
  const Point3 a = p1;
  for (int k = 0; k < 3; ++k) {
    const double d = static_cast<double>(p2[k]) - a[k];
    if (enter > 0.0) p1[k] = static_cast<float>(a[k] + enter * d);
    if (leave < 1.0) p2[k] = static_cast<float>(a[k] + leave * d);
  }
  return true;
}

}  // namespace plotix
