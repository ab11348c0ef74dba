// sphe3d: a filled sphere of latitude-longitude patches; patches facing away
// from the viewer are skipped, the others clipped at the box and filled as fans
// of triangles in one colour.
#include <cmath>

#include "plot/axis3d/clip3d.h"
#include "plot/lines/colours.h"
#include "plot/lines/fills.h"
#include "plot/draw3d/sphere3d.h"
#include "plot/draw3d/polygon_clip3d.h"
#include "plot/draw3d/sphere_patches.h"
#include "plot/axis3d/system3d.h"
#include "plot/core/warnings.h"

namespace plotix {

namespace {

// qqcsph3d: the sphere lies wholly inside the box.
bool qqcsph3d(const PlotState& s, const Point3& q, float rho) {
  for (int j = 0; j < 3; ++j) {
    const float half = s.axis3d.ax3len[j] / 2;
    if (!(-half <= q[j] - rho && q[j] + rho <= half)) return false;
  }
  return true;
}

// qqds3d: clips, projects and fills one patch as a fan of triangles.
void qqds3d(PlotState& s, const SpherePatch& patch, int colour) {
  Polygon3 poly;
  poly.n = 4;
  for (int k = 0; k < 4; ++k) poly.v[k] = patch.corner[k];
  if (s.axis3d.iclp3 == kClipBox) {
    bool any_out = false;
    for (int k = 0; k < 4 && !any_out; ++k) any_out = chkvl3(s.axis3d.ax3len, poly.v[k]) > 0;
    if (any_out && !qqclp2(s.axis3d.ax3len, poly)) return;
  } else if (s.axis3d.iclp3 == kClipViewVolume) {
    for (int k = 0; k < 4; ++k) {
      if (!inside_view_volume(qqgsc3(s, poly.v[k]))) return;
    }
  }
  if (s.axis3d.iclp3 != kClipViewVolume && !clip_to_frustum(s, poly)) return;
  PagePoint page[kMaxPolygonVertices];
  for (int k = 0; k < poly.n; ++k) page[k] = abs3pt(s, poly.v[k]);
  for (int k = 2; k < poly.n; ++k) {
    const float xs[3] = {page[0].x, page[k - 1].x, page[k].x};
    const float ys[3] = {page[0].y, page[k - 1].y, page[k].y};
    qqftri(s, xs, ys, colour);
  }
}

}  // namespace

void sphe3d(float xm, float ym, float zm, float r, int n, int m) {
  PlotState* ps = require_3d_axis_system("sphe3d");
  if (ps == nullptr) return;
  PlotState& s = *ps;
  if (n < 1 || m < 1) {
    warni1(s, 2, n < 1 ? n : m);
    return;
  }
  const Point3 q = qqbas3(s, xm, ym, zm);
  const float rho = std::fabs(r * s.axis3d.ax3len[0] / (s.axis3d.xe3 - s.axis3d.xa3));
  if (rho < s.core.eps) return;

  const int iclp3 = s.axis3d.iclp3;
  if (iclp3 == kClipBox && qqcsph3d(s, q, rho)) s.axis3d.iclp3 = kClipNone;

  const int colour = s.line.ncolor;
  const Point3 view{s.axis3d.view3[0], s.axis3d.view3[1], s.axis3d.view3[2]};
  const int skip = s.draw3d.ibackface;
  for_each_sphere_patch(q, rho, n, m, [&](const SpherePatch& patch) {
    if (skip != 0 && jqqbfc(patch, view) == skip) return;
    qqds3d(s, patch, colour);
  });

  s.axis3d.iclp3 = iclp3;
  // The fills of patches crossing the page border set the colour themselves.
  qqsclr(s, colour);
}

}  // namespace plotix
