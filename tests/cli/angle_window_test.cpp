// The window the co-orbital angle is wrapped to, chosen by the motion at the epoch: on
// synthetic librations of every class (judged by the search's own rule), the libration
// never crosses the window's edge, so its line is never broken.
#include <gtest/gtest.h>

#include <cmath>
#include <random>

#include "app/angle_picture.h"
#include "cli/coorbital_pictures.h"
#include "coorbital/libration_class.h"

namespace cli {
namespace {

struct Swing {
  coorbital::Motion motion;
  double centre_low, centre_high;  // degrees
  double amplitude_low, amplitude_high;
};

TEST(AngleWindow, NoLibrationOfAnyClassCrossesTheEdge) {
  const Swing swings[] = {{coorbital::Motion::quasi_satellite, -20, 20, 3, 150},
                          {coorbital::Motion::trojan_l4, 50, 90, 10, 45},
                          {coorbital::Motion::trojan_l5, -90, -50, 10, 45},
                          {coorbital::Motion::horseshoe, 170, 190, 150, 168}};
  std::mt19937 random(17);
  const coorbital::Thresholds thresholds;
  for (const Swing& swing : swings) {
    for (int trial = 0; trial < 40; ++trial) {
      const double centre = std::uniform_real_distribution<double>(swing.centre_low, swing.centre_high)(random);
      const double amplitude = std::uniform_real_distribution<double>(swing.amplitude_low, swing.amplitude_high)(random);
      const double turns = 360.0 * std::uniform_int_distribution<int>(-3, 3)(random);  // unwrapped anywhere
      const double period = std::uniform_real_distribution<double>(20, 300)(random);
      ASSERT_EQ(coorbital::motion_of_range(centre - amplitude, centre + amplitude, thresholds), swing.motion)
          << "the synthetic swing is of its class: centre " << centre << " amplitude " << amplitude;
      std::vector<float> years, phi;
      for (int i = 0; i <= 4000; ++i) {
        years.push_back(1800.0f + 0.1f * static_cast<float>(i));
        phi.push_back(static_cast<float>(turns + centre + amplitude * std::sin(2.0 * M_PI * 0.1 * i / period)));
      }
      const float low = angle_window_low(swing.motion);
      EXPECT_EQ(app::wrapped_pieces(years, phi, low).size(), 1u)
          << coorbital::motion_name(swing.motion) << " centre " << centre << " amplitude " << amplitude;
      // The other window would cut a quasi-satellite that swings through 0 and a horseshoe
      // (through 180).
      const double edge = swing.motion == coorbital::Motion::horseshoe ? 180.0 : 0.0;
      if (swing.motion != coorbital::Motion::trojan_l4 && swing.motion != coorbital::Motion::trojan_l5 &&
          std::fabs(centre - edge) < amplitude) {
        EXPECT_GT(app::wrapped_pieces(years, phi, low == 0.0f ? -180.0f : 0.0f).size(), 1u);
      }
    }
  }
}

}  // namespace
}  // namespace cli
