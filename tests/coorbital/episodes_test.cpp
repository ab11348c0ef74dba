// The judgement of a resonant angle: ranges, turning points and episodes on series whose
// motion is known by construction.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <numbers>

#include "coorbital/episodes.h"
#include "coorbital/libration_class.h"

namespace {

using namespace coorbital;

TEST(LibrationClass, RangesGiveTheirMotion) {
  const Thresholds t;
  struct Case {
    double low, high;
    Motion motion;
  } cases[] = {
      {-20, 25, Motion::quasi_satellite}, {-1, 1, Motion::quasi_satellite}, {340, 385, Motion::quasi_satellite},
      {30, 100, Motion::trojan_l4},       {-100, -30, Motion::trojan_l5},  {20, 178.5, Motion::trojan_l4},
      {20, 340, Motion::horseshoe},       {-25, 330, Motion::horseshoe},   {-300, -60, Motion::horseshoe},
      {-200, -20, Motion::trojan_l5},
      {-35, 330, Motion::passing},        {70, 340, Motion::trojan_l5},    {-10, 200, Motion::passing},
      {0, 700, Motion::passing},          {-190, 190, Motion::passing},
  };
  for (const Case& c : cases) EXPECT_EQ(motion_of_range(c.low, c.high, t), c.motion) << c.low << " " << c.high;
}

// Samples every 0.1 yr over [-200, 200] of phi(t).
AngleSeries series_of(const std::function<double(double)>& phi) {
  AngleSeries series;
  for (int k = -2000; k <= 2000; ++k) {
    series.years.push_back(k * 0.1);
    series.phi.push_back(phi(k * 0.1));
  }
  return series;
}

double swing(double t, double period) { return std::sin(2.0 * std::numbers::pi * t / period); }

TEST(Episodes, ConstructedAnglesGiveTheirEpisodes) {
  const Thresholds t;
  struct Case {
    const char* what;
    std::function<double(double)> phi;
    std::vector<Motion> motions;
    std::size_t at_epoch;
    double centre, amplitude, period;  // of the epoch's episode (NaN: not checked)
  } cases[] = {
      {"horseshoe", [](double y) { return 180.0 + 160.0 * swing(y, 120.0); }, {Motion::horseshoe}, 0, 180.0, 160.0, 120.0},
      {"L5 with stalls", [](double y) { return -60.0 + 20.0 * swing(y, 150.0) + 8.0 * swing(y, 6.0); },
       {Motion::trojan_l5}, 0, -60.0, 28.0, NAN},
      {"passing", [](double y) { return 36.0 * y; }, {Motion::passing}, 0, NAN, NAN, 10.0},
      {"quasi-satellite then passing", [](double y) { return y < 50.0 ? 10.0 * swing(y, 25.0) : 3.0 * (y - 50.0); },
       {Motion::quasi_satellite, Motion::passing}, 0, 0.0, 10.0, 25.0},
      {"drift of 300 degrees into a quasi-satellite", [](double y) { return y < -100.0 ? 3.0 * (y + 100.0) : 5.0 * swing(y + 100.0, 30.0); },
       {Motion::passing, Motion::quasi_satellite}, 1, 0.0, 5.0, 30.0},
      {"passing then L4", [](double y) { return y < -100.0 ? 5.0 * (y + 100.0) + 60.0 : 60.0 + 15.0 * swing(y + 100.0, 40.0); },
       {Motion::passing, Motion::trojan_l4}, 1, 60.0, 15.0, 40.0},
  };
  for (const Case& c : cases) {
    const EpisodeList list = episodes_of(series_of(c.phi), t);
    ASSERT_EQ(list.episodes.size(), c.motions.size()) << c.what;
    for (std::size_t e = 0; e < c.motions.size(); ++e) EXPECT_EQ(list.episodes[e].motion, c.motions[e]) << c.what;
    EXPECT_EQ(list.at_epoch, c.at_epoch) << c.what;
    EXPECT_EQ(list.compound(), c.motions.size() > 1) << c.what;
    const Episode& episode = list.episodes[list.at_epoch];
    EXPECT_DOUBLE_EQ(list.episodes.front().from_yr, -200.0) << c.what;
    EXPECT_DOUBLE_EQ(list.episodes.back().to_yr, 200.0) << c.what;
    if (!std::isnan(c.centre)) {
      EXPECT_NEAR(std::remainder(episode.centre_deg - c.centre, 360.0), 0.0, 0.5) << c.what;
    }
    if (!std::isnan(c.amplitude)) {
      EXPECT_NEAR(episode.amplitude_deg, c.amplitude, 0.5) << c.what;
    }
    if (!std::isnan(c.period)) {
      EXPECT_NEAR(episode.period_yr, c.period, 0.01 * c.period) << c.what;
    }
  }
}

}  // namespace
