// The resonant angle from states, its series, and the table rows made of it.
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "coorbital/angle_series.h"
#include "coorbital/candidates.h"
#include "coorbital/coorbital_table.h"
#include "coorbital/mean_longitude.h"
#include "coorbital/turning_points.h"
#include "dynamics/conic.h"

namespace {

using namespace coorbital;

// Round trip: the state of a conic at a time gives back node + peri + n (t - tau).
TEST(MeanLongitude, StatesOfKnownOrbitsGiveTheirLongitude) {
  const double mu = 39.476926, rad = std::numbers::pi / 180.0;
  struct Case {
    double a, e, i, node, peri, t;
  } cases[] = {{1.0, 0.0167, 0.0001, 27.6, 75.4, 0.3}, {0.92, 0.19, 3.3, 204.0, 126.0, -2.7},
               {1.52, 0.6, 40.0, 300.0, 10.0, 7.1}, {5.2, 0.05, 1.3, 100.5, 275.0, 11.9}};
  for (const Case& c : cases) {
    const dynamics::Conic conic{c.a * (1 - c.e), c.e, c.i * rad, c.node * rad, c.peri * rad, 0.0};
    dynamics::Vec3 x, v;
    dynamics::state_from_conic(mu, conic, c.t, x, v, 0.0);
    const double expected = std::fmod(c.node + c.peri + std::sqrt(mu / (c.a * c.a * c.a)) * c.t / rad, 360.0);
    EXPECT_NEAR(std::remainder(mean_longitude_deg(x, v, mu) - expected, 360.0), 0.0, 1e-7) << c.a;
  }
  EXPECT_DOUBLE_EQ(resonant_angle_deg(10.0, 350.0), 20.0);
  EXPECT_DOUBLE_EQ(resonant_angle_deg(350.0, 10.0), -20.0);
  EXPECT_DOUBLE_EQ(resonant_angle_deg(0.0, 180.0), 180.0);
}

TEST(AngleSeries, UnwrapsSortsAndSmooths) {
  // A steady drift of 50 degrees a sample, handed over out of order, one time twice.
  std::vector<std::pair<double, double>> samples;
  for (int k = 0; k < 30; ++k) samples.emplace_back(0.1 * k, std::remainder(50.0 * k, 360.0));
  samples.emplace_back(0.5, std::remainder(250.0, 360.0));
  std::swap(samples[3], samples[20]);
  const AngleSeries series = unwrapped_series(samples);
  ASSERT_EQ(series.phi.size(), 30u);
  for (std::size_t k = 0; k < 30; ++k) EXPECT_NEAR(series.phi[k], 50.0 * k, 1e-9);
  // A straight line is its own centred mean; at the ends the window is cut short.
  const AngleSeries smooth = smoothed(series, 1.0);
  EXPECT_NEAR(smooth.phi[15], series.phi[15], 1e-9);
  EXPECT_NEAR(smooth.phi[0], 50.0 * 2.5, 1e-9);
}

// A libration with a stall, a short wiggle of a close approach, on its way down.
TEST(TurningPoints, StallsAreDroppedAndSwingsKept) {
  AngleSeries series;
  for (int k = 0; k <= 2000; ++k) {
    const double t = 0.1 * k;
    series.years.push_back(t);
    const double stall = t > 52.0 && t < 55.0 ? 6.0 * std::sin(std::numbers::pi * (t - 52.0) / 1.5) : 0.0;
    series.phi.push_back(40.0 * std::cos(2.0 * std::numbers::pi * t / 80.0) + stall);
  }
  const std::vector<TurningPoint> points = turning_points(series, 5.0, 10.0);
  ASSERT_EQ(points.size(), 4u);
  for (std::size_t k = 0; k < points.size(); ++k) {
    EXPECT_NEAR(series.years[points[k].index], 40.0 * (k + 1), 0.2);
    EXPECT_EQ(points[k].maximum, k % 2 == 1);
  }
}

// Straight runs between corners, sampled every 0.1 yr, with reversal 5 and pairs of
// 10 yr: the turning points are the corners drawn as such. A dip of less than the
// reversal keeps watching for the higher peak; a wiggle shorter than a pair goes.
TEST(TurningPoints, ZigzagsGiveTheCornersDrawnAsTurns) {
  struct Turn {
    double year;
    bool maximum;
  };
  struct Case {
    const char* what;
    std::vector<std::pair<double, double>> corners;  // (years, phi), the first at 0
    std::vector<Turn> turns;
  } cases[] = {
      {"plain swings", {{0, 0}, {15, 40}, {45, -40}, {75, 40}, {100, 0}}, {{15, true}, {45, false}, {75, true}}},
      {"the higher of two peaks", {{0, 0}, {20, 40}, {25, 37}, {30, 44}, {60, -40}, {90, 40}, {120, -40}},
       {{30, true}, {60, false}, {90, true}}},
      {"the lower of two troughs", {{0, 0}, {20, -44}, {25, -40}, {30, -42}, {60, 40}, {90, -40}},
       {{20, false}, {60, true}}},
      {"a wiggle on the way down", {{0, -40}, {40, 40}, {50, 20}, {51.5, 28}, {53, 20}, {80, -40}, {120, 40}, {160, -40}},
       {{40, true}, {80, false}, {120, true}}},
      {"two wiggles in a row", {{0, 40}, {30, -40}, {40, -20}, {41, -10}, {42, -20}, {43, -10}, {44, -20}, {70, 40}, {100, -40}},
       {{30, false}, {70, true}}},
      {"swings just longer than a pair", {{0, 0}, {10, 20}, {20.5, -20}, {31, 20}, {41.5, -20}, {50, 0}},
       {{10, true}, {20.5, false}, {31, true}, {41.5, false}}},
  };
  for (const Case& c : cases) {
    AngleSeries series;
    for (std::size_t k = 1; k < c.corners.size(); ++k) {
      const auto [t0, phi0] = c.corners[k - 1];
      const auto [t1, phi1] = c.corners[k];
      for (int i = static_cast<int>(std::lround(10 * t0)); i < std::lround(10 * t1); ++i) {
        series.years.push_back(0.1 * i);
        series.phi.push_back(phi0 + (phi1 - phi0) * (0.1 * i - t0) / (t1 - t0));
      }
    }
    const std::vector<TurningPoint> points = turning_points(series, 5.0, 10.0);
    ASSERT_EQ(points.size(), c.turns.size()) << c.what;
    for (std::size_t k = 0; k < points.size(); ++k) {
      EXPECT_NEAR(series.years[points[k].index], c.turns[k].year, 1e-9) << c.what << " " << k;
      EXPECT_EQ(points[k].maximum, c.turns[k].maximum) << c.what << " " << k;
    }
  }
}

TEST(Candidates, BoundIsThreeResonanceWidths) {
  EXPECT_NEAR(resonance_width(3), 0.00285, 0.000005);
  EXPECT_NEAR(candidate_bound(3), 0.00854, 0.00001);
  survey::SurveyObject near_earth, beyond;
  near_earth.elements.a = planet_semimajor_axis(3) * (1 + 0.0084);
  beyond.elements.a = planet_semimajor_axis(3) * (1 - 0.0086);
  EXPECT_EQ(candidates({beyond, near_earth, beyond}, 3), std::vector<std::size_t>{1});
}

TEST(CoorbitalTable, RowsPerEpisodeWithTheEpochMarked) {
  survey::SurveyObject object{"(54509) YORP", "54509", 2451545.0, {}, 0.0};
  ObjectVerdict verdict;
  verdict.object = &object;
  verdict.episodes.episodes = {{Motion::horseshoe, -100.0, 20.0, -179.94, 153.0, 197.25},
                               {Motion::passing, 20.0, 200.0, NAN, NAN, 68.5}};
  verdict.closest_au = {0.0108494, NAN};
  verdict.stable = false;
  EXPECT_EQ(csv_lines(verdict, 3),
            (std::vector<std::string>{"(54509) YORP,54509,Earth,horseshoe*,-179.9,153.0,197.2,1900.0,2020.0,0.010849,sensitive",
                                      "(54509) YORP,54509,Earth,passing,,,68.5,2020.0,2200.0,,sensitive"}));
  EXPECT_EQ(table_text({verdict}, 3).substr(0, table_text({verdict}, 3).find('\n')), kCoorbitalHeader);
}

}  // namespace
