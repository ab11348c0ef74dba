// Tessellation of a sphere into latitude-longitude patches (qqsphe3d) and the
// facing test of a patch (jqqbfc).
#pragma once

#include <cmath>

#include "plot/axis3d/projection3d.h"

namespace plotix {

struct SpherePatch {
  Point3 corner[4];  // (phi1, lam1), (phi1, lam2), (phi2, lam2), (phi2, lam1)
  int band = 0;      // 0 = the band at the south pole
};

// Calls visit(patch) for band i = 0 .. m-1 (south to north) and sector
// j = 0 .. n-1 (counter-clockwise from +x seen from +z) of the sphere with
// centre q and radius rho. Sines and cosines in double, corners in single.
template <typename Visit>
void for_each_sphere_patch(const Point3& q, float rho, int n, int m, Visit&& visit) {
  const double pi = 3.14159265358979323846;
  const double dphi = pi / m, dlam = 2.0 * pi / n;
  SpherePatch patch;
  for (int i = 0; i < m; ++i) {
    const double phi1 = i * dphi - pi / 2, phi2 = phi1 + dphi;
    const double cp1 = std::cos(phi1), sp1 = std::sin(phi1);
    const double cp2 = std::cos(phi2), sp2 = std::sin(phi2);
    patch.band = i;
    for (int j = 0; j < n; ++j) {
      const double lam1 = j * dlam, lam2 = lam1 + dlam;
      const double cl1 = std::cos(lam1), sl1 = std::sin(lam1);
      const double cl2 = std::cos(lam2), sl2 = std::sin(lam2);
      const double at[4][4] = {{cp1, sp1, cl1, sl1}, {cp1, sp1, cl2, sl2},
                               {cp2, sp2, cl2, sl2}, {cp2, sp2, cl1, sl1}};
      for (int k = 0; k < 4; ++k) {
        const double* a = at[k];
        patch.corner[k] = {static_cast<float>(q[0] + rho * a[0] * a[2]),
                           static_cast<float>(q[1] + rho * a[0] * a[3]),
                           static_cast<float>(q[2] + rho * a[1])};
      }
      visit(patch);
    }
  }
}

// 1 when the outward normal of the patch points away from the viewpoint, else 2.
// The normal comes from corners 0, 1, 2, or 1, 2, 3 in the south-pole band,
// where corners 0 and 1 coincide.
int jqqbfc(const SpherePatch& patch, const Point3& view);

}  // namespace plotix
