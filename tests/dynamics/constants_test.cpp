// Tests of the constants, the shared blocks, the planet table and pacjd.
#include "dynamics/constants.h"
#include "dynamics/shared_blocks.h"

#include <gtest/gtest.h>

#include <chrono>
#include <string>

namespace {

using namespace dynamics;

// Julian date at 0 h of a proleptic Gregorian date, counted independently of pacjd
// from the calendar arithmetic of the standard library (JD 2440587.5 = 1970-01-01).
double julian_date(int y, unsigned m, unsigned d) {
  const std::chrono::sys_days days{std::chrono::year{y} / std::chrono::month{m} / std::chrono::day{d}};
  return 2440587.5 + days.time_since_epoch().count();
}

const char kMonthCodes[] = "123456789ABC";
const char kDayCodes[] = "123456789ABCDEFGHIJKLMNOPQRSTUV";

int day_count(char century, int year, char month, char day) {
  int jd = -1;
  pacjd(century, year, month, day, jd);
  return jd;
}

TEST(Pacjd, WorkedExamples) {
  EXPECT_EQ(day_count('K', 24, '9', '1'), 10554);
  EXPECT_DOUBLE_EQ(day_count('K', 24, '9', '1') + kPacjdOffset, 2460554.5);
  // 1999 August 10 is the planet table's epoch.
  EXPECT_EQ(day_count('J', 99, '8', 'A'), 1400);
  EXPECT_DOUBLE_EQ(day_count('J', 99, '8', 'A') + kPacjdOffset, kPlanetEpochJd);
}

// Every valid day of every month the century letters can express, against the
// standard library's calendar; months 1 and 2 exercise the c = -1 branch.
TEST(Pacjd, MatchesCalendarOverWholeRange) {
  const std::pair<char, int> centuries[] = {{'I', 1800}, {'J', 1900}, {'K', 2000}};
  int checked = 0;
  for (auto [letter, base] : centuries) {
    for (int yy = 0; yy < 100; ++yy) {
      for (unsigned m = 1; m <= 12; ++m) {
        const std::chrono::year_month_day_last last{std::chrono::year{base + yy} / std::chrono::month{m} /
                                                    std::chrono::last};
        const unsigned days_in_month = static_cast<unsigned>(last.day());
        for (unsigned d = 1; d <= days_in_month; ++d) {
          const double got = day_count(letter, yy, kMonthCodes[m - 1], kDayCodes[d - 1]) + kPacjdOffset;
          ASSERT_EQ(got, julian_date(base + yy, m, d)) << base + yy << "-" << m << "-" << d;
          ++checked;
        }
      }
    }
  }
  EXPECT_EQ(checked, 109573);  // days from 1800-01-01 to 2099-12-31
}

TEST(Pacjd, UnknownCodesCountAsZero) {
  // Another century letter leaves the two-digit year in the first century.
  EXPECT_EQ(day_count('X', 24, '9', '1') + kPacjdOffset, julian_date(24, 9, 1));
  EXPECT_EQ(day_count('k', 24, '9', '1'), day_count('X', 24, '9', '1'));
  // Month 0 falls on December of the year before; day 0 on the last day of the month before.
  EXPECT_EQ(day_count('K', 20, 'Z', '5'), day_count('K', 19, 'C', '5'));
  EXPECT_EQ(day_count('K', 20, '3', ' '), day_count('K', 20, '2', 'T'));  // 2020-02-29
  EXPECT_EQ(day_count('K', 20, '3', 'W'), day_count('K', 20, '3', '0'));
}

TEST(Constants, DerivedValues) {
  EXPECT_DOUBLE_EQ(kGaussK2, (0.01720209895 * 365.25) * (0.01720209895 * 365.25));
  EXPECT_NEAR(kAuYrPerKmS, 365.25 * 86400.0 / 149597870.7, 1e-9);
  EXPECT_NEAR(1.0 / kKmToAu, 149597870.7, 1e-3);
  EXPECT_DOUBLE_EQ(kTwoPi, 6.283185307179586);
  EXPECT_DOUBLE_EQ(kDegToRad * 180.0, kPi);
}

TEST(Constants, StoredInBlocks) {
  SharedBlocks b;
  // extrapolation is the one block with initial values before anything is stored.
  EXPECT_EQ(b.extrapolation.first_divisor_exp, 2);
  EXPECT_EQ(b.extrapolation.growth_exp, 2);
  EXPECT_EQ(b.extrapolation.max_stage, 10);
  EXPECT_EQ(b.extrapolation.max_column, 6);

  store_constants(b, 1.000000166);
  EXPECT_EQ(b.constants.k2, 39.476926421373015);
  EXPECT_EQ(b.constants.gm_central, 1.000000166 * 39.476926421373015);
  EXPECT_EQ(b.constants.auyr_per_kms, 0.21094952656969873);
  EXPECT_EQ(b.ejection.max_semimajor, 9000.0);
  EXPECT_EQ(b.ejection.max_distance, 60.0);
  EXPECT_EQ(b.sun_limits.capture, 0.005303818806292675);
  EXPECT_EQ(b.sun_limits.close, 0.01);
  EXPECT_EQ(b.two_pi, 6.283185307179586);
}

TEST(PlanetTable, RowsAndNames) {
  const char* names[] = {"Mercury", "Venus", "Earth", "Mars", "Jupiter", "Saturn", "Uranus", "Neptune", "Pluto"};
  double previous_a = 0.0;
  for (int k = 0; k < kPlanetCount; ++k) {
    ASSERT_EQ(kPlanetNames[k].size(), 7u);
    std::string trimmed{kPlanetNames[k]};
    trimmed.erase(trimmed.find_last_not_of(' ') + 1);
    EXPECT_EQ(trimmed, names[k]);
    EXPECT_GT(kPlanetTable[k].elements.a, previous_a);  // rows in order of distance from the Sun
    previous_a = kPlanetTable[k].elements.a;
  }
  // Spot checks of single cells against the published table.
  EXPECT_EQ(kPlanetTable[0].elements.m, 303.4539666);
  EXPECT_EQ(kPlanetTable[2].elements.i, 0.0001213);
  EXPECT_EQ(kPlanetTable[2].mass, 3.04043264e-06);
  EXPECT_EQ(kPlanetTable[4].mass, 0.000954791938);
  EXPECT_EQ(kPlanetTable[4].radius_km, 69911.0);
  EXPECT_EQ(kPlanetTable[7].elements.peri, 259.2549938);
  EXPECT_EQ(kPlanetTable[8].elements.e, 0.245185295);
  EXPECT_EQ(kPlanetTable[8].elements.node, 110.3063101);
}

}  // namespace
