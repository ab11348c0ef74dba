// The Moon sampled every 0.125 day and interpolated against the lunar series itself.
#include "dynamics/moon_track.h"

#include <gtest/gtest.h>

#include "dynamics/constants.h"
#include "sky/earth_moon.h"

namespace {

using dynamics::Vec3;

TEST(MoonTrack, FollowsTheSeriesBetweenItsNodes) {
  const double first = 2458849.5, last = 2458880.5;
  const dynamics::MoonTrack track(&sky::moon_geocentric, first, last, 0.125);
  EXPECT_FALSE(track.covers(first + 0.1));
  EXPECT_FALSE(track.covers(last + 0.5));
  constexpr double kHalf = 1e-3;  // days, central difference of the series
  for (double jd = first + 0.2; jd < last - 0.3; jd += 0.37) {
    ASSERT_TRUE(track.covers(jd)) << jd;
    const Vec3 place = track.place(jd), series = sky::moon_geocentric(jd);
    EXPECT_LT(dynamics::norm(dynamics::diff(place, series)), 0.01 * dynamics::kKmToAu) << jd;
    const Vec3 later = sky::moon_geocentric(jd + kHalf), earlier = sky::moon_geocentric(jd - kHalf);
    Vec3 velocity;
    for (int c = 0; c < 3; ++c) velocity[c] = (later[c] - earlier[c]) / (2.0 * kHalf) * dynamics::kDaysPerYear;
    EXPECT_LT(dynamics::norm(dynamics::diff(track.velocity(jd), velocity)), 1e-5 * dynamics::norm(velocity)) << jd;
  }
}

}  // namespace
