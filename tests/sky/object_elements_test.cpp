// The semimajor axis from the mean motion, against records whose a field holds it rounded.
#include <gtest/gtest.h>

#include "sky/object_elements.h"

namespace sky {
namespace {

// Mean motion (degrees per day, columns 81-91) and a (AU, columns 92-103) of records of
// data/nea.dat: (99942) Apophis, (433) Eros, (367943) Duende, (35396) 1997 XF11.
struct RecordCase {
  double mean_motion;
  double a_field;
};
constexpr RecordCase kRecords[] = {
    {1.11235295, 0.9225169}, {0.55973997, 1.4581823}, {1.13473326, 0.9103468}, {0.56878210, 1.4426870}};

TEST(ObjectElements, SemimajorAxisFromMeanMotionIsTheRecordsOwn) {
  for (const RecordCase& c : kRecords) {
    // The a field is rounded to 5e-8 AU; n's rounding moves a by less than 1e-8 AU.
    EXPECT_NEAR(semimajor_axis_from_mean_motion(c.mean_motion), c.a_field, 5e-8 + 1e-8) << c.mean_motion;
  }
}

TEST(ObjectElements, OnlyTheEphemerisSkyTakesAFromTheMeanMotion) {
  const dynamics::OrbitalElements written{0.9225169, 0.1914724, 3.33690, 204.05444, 126.67983, 236.64021};
  const double from_n = semimajor_axis_from_mean_motion(1.11235295);
  struct SkyCase {
    Sky sky;
    double mean_motion;
    double a;
  };
  for (const SkyCase c : {SkyCase{Sky::table, 1.11235295, written.a}, SkyCase{Sky::ephemeris, 1.11235295, from_n},
                          SkyCase{Sky::ephemeris, 0.0, written.a}}) {
    const dynamics::OrbitalElements got = elements_in_sky(written, c.mean_motion, c.sky);
    EXPECT_EQ(got.a, c.a) << sky_name(c.sky) << " n " << c.mean_motion;
    EXPECT_EQ(got.e, written.e);
    EXPECT_EQ(got.m, written.m);
  }
}

}  // namespace
}  // namespace sky
