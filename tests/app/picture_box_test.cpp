// The clear picture's box, steps, Sun arrow, zoom and dates, checked against independent
// computations over random cases: round steps against a search of every round step,
// boxes against the paths they hold, the arrow against the line to the Sun.
#include <gtest/gtest.h>

#include <cmath>
#include <random>

#include "app/calendar_date.h"
#include "app/nice_steps.h"
#include "app/picture_box.h"
#include "app/read_back.h"
#include "app/sun_pointer.h"
#include "app/view_turn.h"

namespace {

// Whether a step is 1, 2 or 5 times a power of ten.
bool round_step(double step) {
  const double mantissa = step / std::pow(10.0, std::floor(std::log10(step) + 1e-9));
  return std::fabs(mantissa - 1) < 1e-9 || std::fabs(mantissa - 2) < 1e-9 || std::fabs(mantissa - 5) < 1e-9;
}

// Multiples of step in [lo, hi], counted one by one.
int count_multiples(double lo, double hi, double step) {
  int n = 0;
  for (long k = static_cast<long>(std::floor(lo / step)) - 1; k * step <= hi + 1e-9 * (hi - lo); ++k) {
    if (k * step >= lo - 1e-9 * (hi - lo)) ++n;
  }
  return n;
}

TEST(NiceSteps, RoundStepsOfFourToEightNumbersWheneverOneExists) {
  std::mt19937 rng(7);
  std::uniform_real_distribution<double> exponent(-5, 5), share(-1, 1);
  for (int i = 0; i < 2000; ++i) {
    const double size = std::pow(10.0, exponent(rng));
    const double lo = size * share(rng), hi = lo + size * (0.05 + std::fabs(share(rng)));
    const double step = app::nice_step(lo, hi);
    ASSERT_TRUE(round_step(step)) << step;
    const int count = count_multiples(lo, hi, step);
    EXPECT_EQ(app::numbers_in(lo, hi, step), count);
    bool possible = false;
    for (double e = std::floor(std::log10(hi - lo)) - 3; e <= std::log10(hi - lo) + 1; ++e) {
      for (const double m : {1.0, 2.0, 5.0}) {
        const int n = count_multiples(lo, hi, m * std::pow(10.0, e));
        possible = possible || (n >= app::kFewestNumbers && n <= app::kMostNumbers);
      }
    }
    if (possible) {
      EXPECT_TRUE(count >= app::kFewestNumbers && count <= app::kMostNumbers) << lo << " " << hi;
    }
    const double first = app::first_number(lo, step);
    EXPECT_GE(first, lo - 1e-9 * (hi - lo));
    EXPECT_LT(first - step, lo);
    EXPECT_TRUE(round_step(app::next_round_step(step)));
    EXPECT_GT(app::next_round_step(step), 1.9 * step);
  }
}

app::RunState random_run(std::mt19937& rng) {
  app::RunState s;
  std::normal_distribution<double> spread(0, 1);
  std::uniform_real_distribution<double> size(-3, 1);
  const double scale[3] = {std::pow(10.0, size(rng)), std::pow(10.0, size(rng)), std::pow(10.0, size(rng))};
  const double centre[3] = {spread(rng), spread(rng), 0.2 * spread(rng)};
  s.npts = 50;
  float xymax = 0, zmax = 0;
  for (int k = 0; k < s.npts; ++k) {
    s.x[k] = static_cast<float>(centre[0] + scale[0] * spread(rng));
    s.y[k] = static_cast<float>(centre[1] + scale[1] * spread(rng));
    s.z[k] = static_cast<float>(centre[2] + scale[2] * spread(rng));
    xymax = std::max({xymax, std::fabs(1 + s.x[k]), std::fabs(s.y[k])});
    zmax = std::max(zmax, std::fabs(s.z[k]));
  }
  s.axes = app::size_axis_box(xymax, zmax);
  s.view = {'P', 3, -3, 1.5};
  return s;
}

TEST(PictureBox, HoldsThePathAndThePlanetWithRoundNumbersAndZoomsAboutTheFocus) {
  std::mt19937 rng(11);
  std::uniform_real_distribution<double> zoom_exponent(-1, 2);
  for (int i = 0; i < 300; ++i) {
    app::RunState s = random_run(rng);
    s.frame = app::BoxFrame::path;
    const app::PictureBox box = app::picture_box(s);
    EXPECT_TRUE(box.holds(0, 0, 0));
    double largest = 0;
    for (int j = 0; j < 3; ++j) largest = std::max(largest, box.hi[j] - box.lo[j]);
    for (int k = 0; k < s.npts; ++k) ASSERT_TRUE(box.holds(s.x[k], s.y[k], s.z[k])) << i << " " << k;
    for (int j = 0; j < 3; ++j) {
      EXPECT_TRUE(round_step(box.step[j]));
      const int n = count_multiples(box.lo[j], box.hi[j], box.step[j]);
      EXPECT_TRUE(n >= app::kFewestNumbers && n <= app::kMostNumbers) << n;
      // No edge below its share of the longest, which the growth to a fourth number can
      // have lengthened by a step, at most half of it.
      EXPECT_GE(box.hi[j] - box.lo[j], app::kLeastHalfWidthShare * largest / 1.5);
      EXPECT_NEAR(box.first[j] / box.step[j], std::round(box.first[j] / box.step[j]), 1e-6);
    }
    // The edge lengths keep the limits' proportions, the longest 2.
    const std::array<float, 3> len = box.edge_lengths();
    for (int j = 0; j < 3; ++j) EXPECT_NEAR(len[j], 2 * (box.hi[j] - box.lo[j]) / largest, 1e-5);

    // The system's box, enlarged F times about the focus: every limit keeps its
    // direction from the focus at 1/F of its distance.
    s.frame = app::BoxFrame::system;
    s.view.xf = static_cast<float>(s.x[3]), s.view.yf = static_cast<float>(s.y[3]), s.view.zf = 0.1f;
    const app::PictureBox whole = app::picture_box(s);
    EXPECT_FLOAT_EQ(static_cast<float>(whole.lo[0]), s.axes.xa);
    EXPECT_FLOAT_EQ(static_cast<float>(whole.hi[2]), s.axes.ze);
    s.view.zoom = static_cast<float>(std::pow(10.0, zoom_exponent(rng)));
    const app::PictureBox near = app::picture_box(s);
    const double focus[3] = {s.view.xf, s.view.yf, s.view.zf};
    for (int j = 0; j < 3; ++j) {
      EXPECT_NEAR(near.lo[j], focus[j] + (whole.lo[j] - focus[j]) / s.view.zoom, 1e-9 * (1 + std::fabs(whole.lo[j])));
      EXPECT_NEAR(near.hi[j], focus[j] + (whole.hi[j] - focus[j]) / s.view.zoom, 1e-9 * (1 + std::fabs(whole.hi[j])));
    }
  }
}

TEST(SunPointer, EndsOnTheFaceTowardsTheSunOnTheLineFromTheCentre) {
  std::mt19937 rng(3);
  std::uniform_real_distribution<double> where(-0.8, 2), size(0.01, 0.6);
  int drawn = 0;
  while (drawn < 300) {
    app::PictureBox box;
    for (int j = 0; j < 3; ++j) {
      const double c = j == 0 ? where(rng) : 0.5 * where(rng), h = size(rng);
      box.lo[j] = c - h, box.hi[j] = c + h;
    }
    if (box.holds(-1, 0, 0)) continue;
    ++drawn;
    const app::SunPointer a = app::sun_pointer(box);
    int on_face = 0;
    double c[3], to_sun[3], shaft[3];
    for (int j = 0; j < 3; ++j) {
      EXPECT_GE(a.head[j], box.lo[j] - 1e-12);
      EXPECT_LE(a.head[j], box.hi[j] + 1e-12);
      EXPECT_TRUE(box.holds(a.tail[0], a.tail[1], a.tail[2]));
      on_face += std::fabs(a.head[j] - box.lo[j]) < 1e-12 || std::fabs(a.head[j] - box.hi[j]) < 1e-12;
      c[j] = (box.lo[j] + box.hi[j]) / 2;
      to_sun[j] = (j == 0 ? -1.0 : 0.0) - c[j];
      shaft[j] = a.head[j] - a.tail[j];
    }
    EXPECT_GE(on_face, 1);
    // The shaft lies along the line from the centre to the Sun and points at the Sun.
    const double cross[3] = {shaft[1] * to_sun[2] - shaft[2] * to_sun[1], shaft[2] * to_sun[0] - shaft[0] * to_sun[2],
                             shaft[0] * to_sun[1] - shaft[1] * to_sun[0]};
    EXPECT_LT(std::hypot(cross[0], cross[1], cross[2]),
              1e-9 * std::hypot(shaft[0], shaft[1], shaft[2]) * std::hypot(to_sun[0], to_sun[1], to_sun[2]));
    EXPECT_GT(shaft[0] * to_sun[0] + shaft[1] * to_sun[1] + shaft[2] * to_sun[2], 0);
  }
}

TEST(ClearZoomAndDates, TheWheelMultipliesWithinItsRangeAndDatesReadAsCalendarDays) {
  for (const int notches : {-500, -3, -1, 0, 1, 4, 500}) {
    const float z = app::zoomed(2.0f, notches);
    const double expected = std::clamp(2.0 * std::pow(1 / 0.9, notches), app::kLeastZoom, app::kMostZoom);
    EXPECT_NEAR(z, expected, 1e-5 * expected) << notches;
  }
  // J2000 (2000-01-01 12:00), the day before it, and 99942 Apophis's approach of 2029.
  EXPECT_EQ(app::calendar_date(2451545.0), "2000-01-01");
  EXPECT_EQ(app::calendar_date(2451544.49), "1999-12-31");
  EXPECT_EQ(app::calendar_date(2462240.42), "2029-04-13");
  EXPECT_EQ(app::calendar_date(2299160.5), "1582-10-15");
  EXPECT_DOUBLE_EQ(app::decimal_year(2451545.0), 2000.0);
  EXPECT_DOUBLE_EQ(app::decimal_year(2451545.0 + 365.25 * 29.5), 2029.5);
}

}  // namespace
