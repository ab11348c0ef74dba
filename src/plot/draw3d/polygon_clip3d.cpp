// Sutherland-Hodgman clipping of a patch at the six faces of the 3D box and at
// the camera's frustum.
// Method: Sutherland & Hodgman (1974), Reentrant polygon clipping.
#include "plot/draw3d/polygon_clip3d.h"

namespace plotix {

namespace {

// One stage: keeps the part of `in` where side(point) >= 0. A new vertex on the
// cut is placed by `on_plane` from the two ends and the share t along them.
// Fails when the result would need more than `limit` vertices.
template <typename Side, typename OnPlane>
bool clip_stage(const Polygon3& in, int limit, Side side, OnPlane on_plane, Polygon3& out) {
  out.n = 0;
  for (int i = 0; i < in.n; ++i) {
    const Point3& a = in.v[i];
    const Point3& b = in.v[(i + 1) % in.n];
    const auto da = side(a);
    const auto db = side(b);
    if (da >= 0) {
      if (out.n == limit) return false;
      out.v[out.n++] = a;
    }
    if ((da >= 0) != (db >= 0)) {
      if (out.n == limit) return false;
      out.v[out.n++] = on_plane(a, b, da / (da - db));
    }
  }
  return true;
}

Point3 between(const Point3& a, const Point3& b, double t) {
  Point3 c{};
  for (int k = 0; k < 3; ++k) c[k] = static_cast<float>(a[k] + t * (static_cast<double>(b[k]) - a[k]));
  return c;
}

// Empties the polygon when fewer than 3 vertices are left.
bool keep_if_area(Polygon3& poly) {
  if (poly.n >= 3) return true;
  poly.n = 0;
  return false;
}

}  // namespace

bool qqclp2(const float len[3], Polygon3& poly) {
  Polygon3 next;
  for (int j = 0; j < 3; ++j) {
    for (bool upper : {false, true}) {
      const float face = upper ? len[j] / 2 : -len[j] / 2;
      // Signed distance towards the inside: v >= face for the lower face and
      // v <= face for the upper one.
      auto side = [&](const Point3& a) { return upper ? face - a[j] : a[j] - face; };
      auto on_face = [&](const Point3& a, const Point3& b, float t) {
        Point3 c{};
        for (int k = 0; k < 3; ++k) c[k] = a[k] + t * (b[k] - a[k]);
        c[j] = face;
        return c;
      };
      if (!clip_stage(poly, kMaxClipVertices, side, on_face, next)) {
        poly.n = 0;
        return false;
      }
      poly = next;
    }
  }
  return keep_if_area(poly);
}

bool clip_to_frustum(const PlotState& s, Polygon3& poly) {
  bool all_inside = true;
  for (int k = 0; k < poly.n && all_inside; ++k) all_inside = inside_frustum(s, poly.v[k]);
  if (all_inside) return poly.n >= 3;
  Polygon3 next;
  for (int i = 0; i < kFrustumPlanes; ++i) {
    auto side = [&](const Point3& a) { return frustum_side(s, i, a); };
    if (!clip_stage(poly, kMaxPolygonVertices, side, between, next)) {
      poly.n = 0;
      return false;
    }
    poly = next;
  }
  return keep_if_area(poly);
}

}  // namespace plotix
