// Sutherland-Hodgman clipping of a patch at the six faces of the 3D box.
#include "plot/draw3d/polygon_clip3d.h"

namespace plotix {

namespace {

// Signed distance of a from the plane of axis j at `face` towards the inside:
// the inside is v >= face for the lower face and v <= face for the upper one.
float inside_distance(const Point3& a, int j, float face, bool upper) {
  return upper ? face - a[j] : a[j] - face;
}

// One stage: keeps the part of `in` on the inner side of one plane.
bool clip_stage(const Polygon3& in, int j, float face, bool upper, Polygon3& out) {
  out.n = 0;
  for (int i = 0; i < in.n; ++i) {
    const Point3& a = in.v[i];
    const Point3& b = in.v[(i + 1) % in.n];
    const float da = inside_distance(a, j, face, upper);
    const float db = inside_distance(b, j, face, upper);
    if (da >= 0) {
      if (out.n == kMaxClipVertices) return false;
      out.v[out.n++] = a;
    }
    if ((da >= 0) != (db >= 0)) {
      if (out.n == kMaxClipVertices) return false;
      const float t = da / (da - db);
      Point3 c{};
      for (int k = 0; k < 3; ++k) c[k] = a[k] + t * (b[k] - a[k]);
      c[j] = face;
      out.v[out.n++] = c;
    }
  }
  return true;
}

}  // namespace

bool qqclp2(const float len[3], Polygon3& poly) {
  Polygon3 next;
  for (int j = 0; j < 3; ++j) {
    for (bool upper : {false, true}) {
      const float face = upper ? len[j] / 2 : -len[j] / 2;
      if (!clip_stage(poly, j, face, upper, next)) {
        poly.n = 0;
        return false;
      }
      poly = next;
    }
  }
  if (poly.n < 3) {
    poly.n = 0;
    return false;
  }
  return true;
}

}  // namespace plotix
