// The Moon sampled every 0.125 day and interpolated, against the lunar series itself.
#include "sky/moon_track.h"

#include <gtest/gtest.h>

#include "dynamics/constants.h"
#include "sky/earth_moon.h"
#include "sky/sky.h"

namespace {

using namespace dynamics;
using sky::MoonTrack;

TEST(MoonTrack, FollowsTheSeriesBetweenItsNodes) {
  const double first = 2458849.5, last = 2458880.5, half = 1e-3;  // half: of the series' difference, days
  const MoonTrack track(sky::sky_model(sky::Sky::ephemeris), first, last, 0.125);
  EXPECT_FALSE(track.covers(first + 0.1) || track.covers(last + 0.5));
  for (double jd = first + 0.2; jd < last - 0.3; jd += 0.37) {
    ASSERT_TRUE(track.covers(jd)) << jd;
    EXPECT_LT(norm(diff(track.place(jd), sky::moon_geocentric(jd))), 0.01 * kKmToAu) << jd;
    Vec3 v = diff(sky::moon_geocentric(jd + half), sky::moon_geocentric(jd - half));
    for (double& c : v) c *= kDaysPerYear / (2.0 * half);
    EXPECT_LT(norm(diff(track.velocity(jd), v)), 1e-5 * norm(v)) << jd;
  }
}

}  // namespace
