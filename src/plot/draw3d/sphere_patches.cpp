// Facing test of a sphere patch.
#include "plot/draw3d/sphere_patches.h"

namespace plotix {

int jqqbfc(const SpherePatch& patch, const Point3& view) {
  const int first = patch.band == 0 ? 1 : 0;
  const Point3& p0 = patch.corner[first];
  const Point3& p1 = patch.corner[first + 1];
  const Point3& p2 = patch.corner[first + 2];
  const double u[3] = {p1[0] - p0[0], p1[1] - p0[1], p1[2] - p0[2]};
  const double w[3] = {p2[0] - p1[0], p2[1] - p1[1], p2[2] - p1[2]};
  const double normal[3] = {u[1] * w[2] - u[2] * w[1], u[2] * w[0] - u[0] * w[2],
                            u[0] * w[1] - u[1] * w[0]};
  double d = 0;
  for (int k = 0; k < 3; ++k) {
    const double mid = (static_cast<double>(p0[k]) + p2[k]) / 2;
    d += normal[k] * (mid - view[k]);
  }
  return d > 0 ? 1 : 2;
}

}  // namespace plotix
