// Refining the time and distance of a closest approach inside a step.
#include "survey/engine/closest_approach.h"

namespace survey {
namespace {

using dynamics::Vec3;

// Iterations that shrink the bracket below 1e-15 of the step.
constexpr int kBisections = 52;

struct HermiteCurve {
  Vec3 p0, m0, p1, m1;  // end points and end tangents (velocity times span)

  Vec3 position(double s) const {
    const double s2 = s * s, s3 = s2 * s;
    const double h00 = 2.0 * s3 - 3.0 * s2 + 1.0, h10 = s3 - 2.0 * s2 + s;
    const double h01 = -2.0 * s3 + 3.0 * s2, h11 = s3 - s2;
    Vec3 p;
    for (int c = 0; c < 3; ++c) p[c] = h00 * p0[c] + h10 * m0[c] + h01 * p1[c] + h11 * m1[c];
    return p;
  }
  // Derivative with respect to the fraction s.
  Vec3 tangent(double s) const {
    const double s2 = s * s;
    const double d00 = 6.0 * s2 - 6.0 * s, d10 = 3.0 * s2 - 4.0 * s + 1.0;
    const double d01 = -6.0 * s2 + 6.0 * s, d11 = 3.0 * s2 - 2.0 * s;
    Vec3 t;
    for (int c = 0; c < 3; ++c) t[c] = d00 * p0[c] + d10 * m0[c] + d01 * p1[c] + d11 * m1[c];
    return t;
  }
};

Vec3 scaled(const Vec3& v, double f) { return {v[0] * f, v[1] * f, v[2] * f}; }

}  // namespace

bool has_minimum(const RelativeState& earlier, const RelativeState& later) {
  return dynamics::dot(earlier.position, earlier.velocity) < 0.0 &&
         dynamics::dot(later.position, later.velocity) >= 0.0;
}

ClosestApproach refine_minimum(const RelativeState& earlier, const RelativeState& later, double span) {
  const HermiteCurve curve{earlier.position, scaled(earlier.velocity, span), later.position,
                           scaled(later.velocity, span)};
  // The radial rate p . p' goes from negative to non-negative: bisect on its sign.
  double low = 0.0, high = 1.0;
  for (int n = 0; n < kBisections; ++n) {
    const double mid = 0.5 * (low + high);
    if (dynamics::dot(curve.position(mid), curve.tangent(mid)) < 0.0) {
      low = mid;
    } else {
      high = mid;
    }
  }
  const double s = 0.5 * (low + high);
  ClosestApproach result;
  result.fraction = s;
  result.distance = dynamics::norm(curve.position(s));
  result.speed = dynamics::norm(curve.tangent(s)) / span;
  return result;
}

}  // namespace survey
