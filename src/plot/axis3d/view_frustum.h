// The part of space the camera can draw: in front of a near plane a small
// distance before the viewer, and within a cone a little wider than the page.
// Lines and polygons are cut to it before projection, so nothing behind the
// viewer is projected mirrored through the centre and no projected point runs
// off towards infinity.
#pragma once

#include "plot/axis3d/projection3d.h"

namespace plotix {

inline constexpr int kFrustumPlanes = 5;

// Stores the near plane and the four side planes of the current view in
// frustum3 (mat3d, scl3, xcen3, ycen3, the page and the box must be set).
void set_view_frustum(PlotState& s);

// c . (p, 1) of plane i: not negative on the kept side.
double frustum_side(const PlotState& s, int i, const Point3& p);

// True when p lies on the kept side of every plane.
bool inside_frustum(const PlotState& s, const Point3& p);

// True when p lies on the kept side of every plane moved out by half the near
// plane's distance: a point that rounding put just outside still counts.
bool inside_widened_frustum(const PlotState& s, const Point3& p);

// The part of the segment p1-p2 inside the frustum, as shares enter < leave
// of the way from p1 to p2 (0 and 1 when it is wholly inside). Returns false
// when nothing of it remains.
bool frustum_shares(const PlotState& s, const Point3& p1, const Point3& p2, double& enter,
                    double& leave);

// Cuts the segment p1-p2 to the frustum. Returns false when nothing of it
// remains; otherwise the ends outside are moved onto its planes.
bool clip_to_frustum(const PlotState& s, Point3& p1, Point3& p2);

}  // namespace plotix
