// Cubic interpolation of the Moon's sampled place.
#include "sky/moon_track.h"

#include <array>
#include <cmath>

#include "dynamics/constants.h"

namespace sky {
namespace {

// Lagrange weights of the nodes at -1, 0, 1, 2 for the fraction s in [0, 1) of the node
// spacing, and of their derivatives with respect to s.
std::array<double, 4> weights(double s) {
  return {-s * (s - 1.0) * (s - 2.0) / 6.0, (s + 1.0) * (s - 1.0) * (s - 2.0) / 2.0,
          -(s + 1.0) * s * (s - 2.0) / 2.0, (s + 1.0) * s * (s - 1.0) / 6.0};
}

std::array<double, 4> slopes(double s) {
  return {-(3.0 * s * s - 6.0 * s + 2.0) / 6.0, (3.0 * s * s - 4.0 * s - 1.0) / 2.0,
          -(3.0 * s * s - 2.0 * s - 2.0) / 2.0, (3.0 * s * s - 1.0) / 6.0};
}

}  // namespace

MoonTrack::MoonTrack(const SkyModel& sky, double first_jd, double last_jd, double spacing_days)
    : first_jd_(first_jd), spacing_(spacing_days) {
  const long count = static_cast<long>(std::ceil((last_jd - first_jd) / spacing_days)) + 1;
  nodes_.reserve(static_cast<size_t>(count));
  for (long n = 0; n < count; ++n) nodes_.push_back(sky.moon_at(first_jd + static_cast<double>(n) * spacing_days));
}

bool MoonTrack::covers(double jd) const {
  const double u = (jd - first_jd_) / spacing_;
  return u >= 1.0 && u < static_cast<double>(nodes_.size()) - 2.0;
}

dynamics::Vec3 MoonTrack::place(double jd) const {
  const double u = (jd - first_jd_) / spacing_;
  const double i = std::floor(u);
  const std::array<double, 4> w = weights(u - i);
  const size_t first = static_cast<size_t>(i) - 1;
  dynamics::Vec3 p{0.0, 0.0, 0.0};
  for (size_t k = 0; k < 4; ++k) {
    for (int c = 0; c < 3; ++c) p[c] += w[k] * nodes_[first + k][c];
  }
  return p;
}

dynamics::Vec3 MoonTrack::velocity(double jd) const {
  const double u = (jd - first_jd_) / spacing_;
  const double i = std::floor(u);
  const std::array<double, 4> w = slopes(u - i);
  const size_t first = static_cast<size_t>(i) - 1;
  const double per_year = dynamics::kDaysPerYear / spacing_;
  dynamics::Vec3 v{0.0, 0.0, 0.0};
  for (size_t k = 0; k < 4; ++k) {
    for (int c = 0; c < 3; ++c) v[c] += w[k] * per_year * nodes_[first + k][c];
  }
  return v;
}

}  // namespace sky
