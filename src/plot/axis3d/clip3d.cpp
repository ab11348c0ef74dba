// Segment clipping against the 3D box and against the view volume.
#include "plot/axis3d/clip3d.h"

namespace plotix {

namespace {

// Per-axis class of a coordinate: 1 below the box, 2 within, 3 above.
int axis_class(float v, float half) { return v < -half ? 1 : (v > half ? 3 : 2); }

// Moves p onto the face of axis j at +-half (sign from its class) along the
// line through q.
void move_onto_face(Point3& p, const Point3& q, int j, float half, int cls) {
  const float face = cls == 1 ? -half : half;
  const float t = (face - p[j]) / (q[j] - p[j]);
  for (int k = 0; k < 3; ++k) {
    if (k != j) p[k] += t * (q[k] - p[k]);
  }
  p[j] = face;
}

// Six boundary values of the view volume; each must be >= 0 inside.
std::array<double, 6> boundaries(const Homog4& h) {
  return {h[3] + h[0], h[3] - h[0], h[3] + h[1], h[3] - h[1], h[2], h[3] - h[2]};
}

}  // namespace

int chkvl3(const float len[3], const Point3& a) {
  int n = 0;
  for (int j = 0; j < 3; ++j) {
    if (axis_class(a[j], len[j] / 2) != 2) ++n;
  }
  return n;
}

bool qqclp1(const float len[3], Point3& p1, Point3& p2) {
  const float half[3] = {len[0] / 2, len[1] / 2, len[2] / 2};
  // Each round puts one coordinate of one end exactly on a face, so six rounds
  // settle any segment; the bound only guards against rounding ping-pong.
  for (int round = 0; round < 12; ++round) {
    int c1[3], c2[3];
    bool all_within = true;
    for (int j = 0; j < 3; ++j) {
      c1[j] = axis_class(p1[j], half[j]);
      c2[j] = axis_class(p2[j], half[j]);
      if (c1[j] != 2 || c2[j] != 2) all_within = false;
      if (c1[j] == c2[j] && c1[j] != 2) return false;
    }
    if (all_within) return true;
    const bool first_outside = c1[0] != 2 || c1[1] != 2 || c1[2] != 2;
    Point3& p = first_outside ? p1 : p2;
    const Point3& q = first_outside ? p2 : p1;
    const int* c = first_outside ? c1 : c2;
    const int j = c[0] != 2 ? 0 : (c[1] != 2 ? 1 : 2);
    move_onto_face(p, q, j, half[j], c[j]);
  }
  return false;
}

bool inside_view_volume(const Homog4& h) {
  for (double b : boundaries(h)) {
    if (b < 0.0) return false;
  }
  return true;
}

bool qqclp3(Homog4& h1, Homog4& h2) {
  const auto b1 = boundaries(h1);
  const auto b2 = boundaries(h2);
  double entry = 0.0, exit = 1.0;
  for (int i = 0; i < 6; ++i) {
    if (b1[i] < 0.0 && b2[i] < 0.0) return false;
    if (b1[i] < 0.0 || b2[i] < 0.0) {
      const double t = b1[i] / (b1[i] - b2[i]);
      if (b1[i] < 0.0) {
        entry = t > entry ? t : entry;
      } else {
        exit = t < exit ? t : exit;
      }
    }
  }
  if (!(exit > entry)) return false;
  const Homog4 start = h1;
  for (int k = 0; k < 4; ++k) {
    const double d = h2[k] - start[k];
    h1[k] = start[k] + entry * d;
    h2[k] = start[k] + exit * d;
  }
  return true;
}

}  // namespace plotix
