// The semimajor axis from the mean motion, against records whose a field holds it rounded.
#include <gtest/gtest.h>

#include "sky/ephemeris_sky.h"
#include "sky/sky.h"

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

TEST(ObjectElements, OnlyTheEphemerisSkyTakesAFromTheMeanMotion) {
  for (const RecordCase& c : kRecords) {
    const dynamics::OrbitalElements written{c.a_field, 0.19, 3.3, 204.0, 126.0, 236.0};
    const SkyModel &ephemeris = sky_model(Sky::ephemeris), &table = sky_model(Sky::table);
    const double from_n = ephemeris.object_elements(written, c.mean_motion).a;
    // The a field is rounded to 5e-8 AU; n's rounding moves a by less than 1e-8 AU.
    EXPECT_NEAR(from_n, c.a_field, 5e-8 + 1e-8) << c.mean_motion;
    EXPECT_NE(from_n, c.a_field);
    EXPECT_EQ(from_n, semimajor_axis_from_mean_motion(c.mean_motion));
    EXPECT_EQ(table.object_elements(written, c.mean_motion).a, c.a_field);
    EXPECT_EQ(ephemeris.object_elements(written, 0.0).a, c.a_field);  // no mean motion
    EXPECT_EQ(ephemeris.object_elements(written, c.mean_motion).e, written.e);
  }
}

}  // namespace
}  // namespace sky
