// Clipping of a flat polygon (a sphere patch) at the faces of the 3D box and
// at the camera's frustum.
#pragma once

#include "plot/axis3d/view_frustum.h"

namespace plotix {

// Most vertices a patch clipped at the box may have; a stage that would need
// more drops it.
inline constexpr int kMaxClipVertices = 8;

// Room for a patch cut at the box and then at the frustum: each of the frustum's
// planes adds at most one vertex to a convex polygon, so the frustum never drops
// a patch the box kept.
inline constexpr int kMaxPolygonVertices = kMaxClipVertices + kFrustumPlanes;

struct Polygon3 {
  Point3 v[kMaxPolygonVertices];
  int n = 0;
};

// Sutherland-Hodgman against the planes x = -lenx/2, x = +lenx/2, y = -leny/2,
// y = +leny/2, z = -lenz/2, z = +lenz/2 in this order. Returns false (and an
// empty polygon) when fewer than 3 vertices are left or a stage overflows.
bool qqclp2(const float len[3], Polygon3& poly);

// Cuts the polygon (at most kMaxClipVertices vertices) to the camera's frustum
// (near plane first, then the sides). Returns false (and an empty polygon) when
// fewer than 3 vertices are left; a polygon wholly inside is left as it is.
bool clip_to_frustum(const PlotState& s, Polygon3& poly);

}  // namespace plotix
