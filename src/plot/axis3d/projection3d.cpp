// The viewing matrix and the steps of the 3D pipeline: user to absolute
// coordinates, absolute to homogeneous view coordinates, and on to the page.
#include "plot/axis3d/projection3d.h"

#include <algorithm>
#include <cmath>

namespace plotix {

namespace {

// Largest page coordinate handed on: a point near the viewer's own plane has a
// W close to zero and would otherwise give an infinite coordinate.
constexpr double kPageLimit = 1.0e6;

using Row4 = std::array<double, 4>;

// A row whose fourth element makes row . (P, 1) equal row . (P - V).
Row4 row_through(double a, double b, double c, const double v[3]) {
  return {a, b, c, -(a * v[0] + b * v[1] + c * v[2])};
}

void store_row(PlotState& s, int i, const Row4& r) {
  for (int k = 0; k < 4; ++k) s.axis3d.mat3d[i][k] = static_cast<float>(r[k]);
}

}  // namespace

void qqgmat(PlotState& s) {
  const Axis3dState& a = s.axis3d;
  const double v[3] = {a.view3[0], a.view3[1], a.view3[2]};
  const double dx = v[0] - a.foc3[0], dy = v[1] - a.foc3[1], dz = v[2] - a.foc3[2];
  const double rho = std::sqrt(dx * dx + dy * dy);
  const double ct = std::cos(static_cast<double>(a.vtwist3));
  const double st = std::sin(static_cast<double>(a.vtwist3));

  Row4 row_x, row_y, row_z;
  if (rho < 1.0e-6) {
    // Line of sight vertical. From above the camera looks down the z axis with
    // y up the page. From below it looks up the z axis, y still up the page, so
    // x runs to the left: the mirror image of the view from above.
    row_x = {ct, -st, 0.0, -ct * v[0] + st * v[1]};
    row_y = {st, ct, 0.0, -st * v[0] - ct * v[1]};
    row_z = {0.0, 0.0, -1.0, v[2]};
    if (dz < 0.0) {
      for (double& e : row_x) e = -e;
      for (double& e : row_z) e = -e;
    }
  } else {
    const double r = std::sqrt(rho * rho + dz * dz);
    const double ca = dx / rho, sa = dy / rho, cb = rho / r, sb = dz / r;
    const double right[3] = {-sa, ca, 0.0};
    const double up[3] = {-ca * sb, -sa * sb, cb};
    const double fwd[3] = {-ca * cb, -sa * cb, -sb};
    row_x = row_through(ct * right[0] - st * up[0], ct * right[1] - st * up[1],
                        ct * right[2] - st * up[2], v);
    row_y = row_through(st * right[0] + ct * up[0], st * right[1] + ct * up[1],
                        st * right[2] + ct * up[2], v);
    row_z = row_through(fwd[0], fwd[1], fwd[2], v);
  }

  const double t = std::tan(static_cast<double>(a.vangle3));
  const double h = a.vnear3, l = a.vfar3;
  Row4 row_w, row_depth;
  for (int k = 0; k < 4; ++k) row_w[k] = t * row_z[k];
  if (l < 0.0) {
    row_depth = row_w;
    row_depth[3] -= t * h;
  } else {
    const double n = 1.0 - h / l;
    for (int k = 0; k < 4; ++k) row_depth[k] = t / n * row_z[k];
    row_depth[3] -= t * h / n;
  }
  store_row(s, 0, row_x);
  store_row(s, 1, row_y);
  store_row(s, 2, row_depth);
  store_row(s, 3, row_w);
}

Homog4 qqgsc3(const PlotState& s, const Point3& a) {
  Homog4 h{};
  for (int i = 0; i < 4; ++i) {
    const float* m = s.axis3d.mat3d[i];
    h[i] = static_cast<double>(m[0]) * a[0] + static_cast<double>(m[1]) * a[1] +
           static_cast<double>(m[2]) * a[2] + m[3];
  }
  return h;
}

PagePoint homog_to_page(const PlotState& s, const Homog4& h) {
  double w = h[3];
  if (std::fabs(w) < 1.0e-35) w = 1.0e-35;
  const double x = s.axis3d.scl3 * h[0] / w + s.axis3d.xcen3;
  const double y = -s.axis3d.scl3 * h[1] / w + s.axis3d.ycen3;
  return {static_cast<float>(std::clamp(x, -kPageLimit, kPageLimit)),
          static_cast<float>(std::clamp(y, -kPageLimit, kPageLimit))};
}

PagePoint abs3pt(const PlotState& s, const Point3& a) { return homog_to_page(s, qqgsc3(s, a)); }

float axis_start(const PlotState& s, int j) {
  const Axis3dState& a = s.axis3d;
  return j == 0 ? a.xa3 : j == 1 ? a.ya3 : a.za3;
}

float axis_end(const PlotState& s, int j) {
  const Axis3dState& a = s.axis3d;
  return j == 0 ? a.xe3 : j == 1 ? a.ye3 : a.ze3;
}

Point3 qqpos3(const PlotState& s, float x, float y, float z) {
  const float u[3] = {x, y, z};
  Point3 a{};
  for (int j = 0; j < 3; ++j) {
    const float v = s.axis3d.ilog3[j] ? std::log10(u[j]) : u[j];
    const float len = s.axis3d.ax3len[j];
    const float start = axis_start(s, j);
    a[j] = (v - start) * len / (axis_end(s, j) - start) - len / 2;
  }
  return a;
}

Point3 qqbas3(const PlotState& s, float x, float y, float z) {
  const Point3 a = qqpos3(s, x, y, z);
  if (s.axis3d.itrf3 != 1) return a;
  Point3 b{};
  for (int i = 0; i < 3; ++i) {
    const float* t = s.axis3d.trf3[i];
    b[i] = t[0] * a[0] + t[1] * a[1] + t[2] * a[2] + t[3];
  }
  return b;
}

PagePoint qqrel3(const PlotState& s, float x, float y, float z) {
  return abs3pt(s, qqpos3(s, x, y, z));
}

}  // namespace plotix
