// Read-back of the coordinates file: the points, the box sized around them, the circle
// around the Earth, and a file that has gone missing before the plot.
#include "app/read_back.h"

#include <gtest/gtest.h>

#include <cmath>
#include <stdexcept>
#include <string>

#include "dialogue_support.h"

namespace {

using dialogue_test::TempDir;

constexpr const char* kHeading = " JD X Y Z DELTA\n";

TEST(AxisBox, SmallPathGivesTheUnitBoxAroundTheSun) {
  // Every point within |1 + X| <= 1 and |Y| <= 1: xymax is raised to 1, ixy = 105.
  const app::AxisBox box = app::size_axis_box(0.4f, 0.3f);
  EXPECT_EQ(box.ixy, 105);
  EXPECT_FLOAT_EQ(box.xa, -2.05f);
  EXPECT_EQ(box.xe, 1.05f - 1.0f);  // single precision: 0.049999952
  EXPECT_NEAR(box.xe, 0.05, 1e-7);
  EXPECT_EQ(box.xo0, -2.0f);
  EXPECT_FLOAT_EQ(box.ya, -1.05f);
  EXPECT_FLOAT_EQ(box.ye, 1.05f);
  EXPECT_EQ(box.yo0, -1.0f);
  // zmax = 0.3: iz = 35, Z from -0.35 to 0.35, first label 0.
  EXPECT_EQ(box.iz, 35);
  EXPECT_FLOAT_EQ(box.za, -0.35f);
  EXPECT_FLOAT_EQ(box.ze, 0.35f);
  EXPECT_EQ(box.zo0, 0.0f);
}

TEST(AxisBox, HalfWidthsExceedTheLargestCoordinateByFourToFiveHundredths) {
  // 100 * 1.234 = 123.4 -> 123 + 5; 100 * 2.5 = 250 -> 255.
  const app::AxisBox box = app::size_axis_box(1.234f, 2.5f);
  EXPECT_EQ(box.ixy, 128);
  EXPECT_FLOAT_EQ(box.xa, -2.28f);
  EXPECT_FLOAT_EQ(box.xe, 0.28f);
  EXPECT_EQ(box.xo0, -2.0f);
  EXPECT_EQ(box.yo0, -1.0f);
  EXPECT_EQ(box.iz, 255);
  EXPECT_FLOAT_EQ(box.za, -2.55f);
  EXPECT_EQ(box.zo0, -2.0f);
  // An exactly representable 1 stays 1: ixy = 105, not 106.
  EXPECT_EQ(app::size_axis_box(1.0f, 0.0f).ixy, 105);
  EXPECT_EQ(app::size_axis_box(1.0f, 0.0f).iz, 5);
  // A path far beyond 2.1e7 units (a = 1e8) would overflow the int half-widths: the box
  // stops growing instead, still a box around the Sun with positive half-widths.
  for (const float far : {2.2e7f, 1.0e8f, 3.0e38f}) {
    const app::AxisBox huge = app::size_axis_box(far, far);
    EXPECT_EQ(huge.ixy, 1000000005) << far;
    EXPECT_EQ(huge.iz, 1000000005) << far;
    EXPECT_LE(huge.xa, -1.0e7f);
    EXPECT_GE(huge.ze, 1.0e7f);
  }
}

class ReadBack : public ::testing::Test {
 protected:
  app::RunState read(const std::string& content, int ipl = 4) {
    folder_.write("obj.xyz", content);
    app::RunState state;
    state.ipl = ipl;
    state.anim = false;
    state.kstart = 17;
    app::read_back(state, folder_.path() / "obj.xyz");
    return state;
  }
  TempDir folder_;
};

TEST_F(ReadBack, ReadsThePointsAndSizesTheBoxFromThem) {
  const app::RunState s = read(std::string(kHeading) +
                               "  2458666.5 -0.5 0.25 0.01 0.6\n"
                               "  2458667.5 -2.5,0.7 -0.3 1.2\n"   // |1 + X| = 1.5
                               "  2458668.5\n -1.0 -1.3 0.2\n 0.9\n");  // |Y| = 1.3; a record over lines
  ASSERT_EQ(s.npts, 3);
  EXPECT_FLOAT_EQ(s.x[1], -2.5f);
  EXPECT_FLOAT_EQ(s.y[2], -1.3f);
  EXPECT_FLOAT_EQ(s.z[1], -0.3f);
  EXPECT_EQ(s.axes.ixy, 155);
  EXPECT_FLOAT_EQ(s.axes.xa, -2.55f);
  EXPECT_FLOAT_EQ(s.axes.xe, 0.55f);
  EXPECT_EQ(s.axes.iz, 35);
  // The animation key and the first frame start again after every run.
  EXPECT_TRUE(s.anim);
  EXPECT_EQ(s.kstart, 1);
}

TEST_F(ReadBack, OnePointRun) {
  const app::RunState s = read(std::string(kHeading) + "  2458666.5 0.001 -0.002 0.0005 0.002\n");
  EXPECT_EQ(s.npts, 1);
  EXPECT_EQ(s.axes.ixy, 105);
  EXPECT_EQ(s.axes.iz, 5);
}

TEST_F(ReadBack, TheEarthGetsTheMoonsOrbitAsAClosedCircle) {
  const app::RunState s = read(std::string(kHeading) + " 1 0 0 0 0\n", 3);
  for (int k = 0; k < app::kEarthCirclePoints; ++k) {
    EXPECT_NEAR(std::hypot(s.xc[k], s.yc[k]), 0.00256, 1e-8) << k;
    EXPECT_EQ(s.zc[k], 0.0f);
  }
  // Point k at angle k * pi / 100: the first at pi/100, the 200th back at the top.
  EXPECT_NEAR(s.xc[0], 0.00256 * std::sin(M_PI / 100), 1e-9);
  EXPECT_NEAR(s.yc[0], 0.00256 * std::cos(M_PI / 100), 1e-9);
  EXPECT_NEAR(s.xc[199], 0.0, 1e-8);
  EXPECT_NEAR(s.yc[199], 0.00256, 1e-9);
  EXPECT_NEAR(s.xc[200], s.xc[0], 1e-8);
  EXPECT_NEAR(s.yc[200], s.yc[0], 1e-8);
}

TEST_F(ReadBack, BadFilesAreReportedWithTheirName) {
  app::RunState state;
  state.ipl = 3;
  try {
    app::read_back(state, folder_.path() / "gone   .xyz");
    FAIL() << "a missing file was read";
  } catch (const std::runtime_error& e) {
    EXPECT_NE(std::string(e.what()).find("gone   .xyz): No such file or directory"), std::string::npos) << e.what();
  }
  EXPECT_THROW(read(std::string(kHeading) + " 1 0 0 0 0\n 2 0 zero 0 0\n"), std::runtime_error);
  EXPECT_THROW(read(kHeading), std::runtime_error);
}

TEST(ReadBackInTheProgram, MissingCoordinatesFileEndsTheProgramWithItsName) {
  // The run left no coordinates file (deleted between run and plot): the program
  // names the file on the error stream and ends with status 1.
  TempDir folder;
  folder.write("nea.dat", dialogue_test::sample_catalogue());
  const dialogue_test::Transcript t =
      dialogue_test::run_dialogue("3\n00433\n", [&](app::Console& console, std::ostream& warnings) {
    app::Stages s;
    s.choose_object = [&](app::RunState& st) { app::choose_object(console, st, folder.path(), warnings); };
    s.classify = [](app::RunState&) {};
    s.run_span = [](app::RunState&) {};
    s.read_back = [&](app::RunState& st) { app::read_back(st, folder.path() / (st.name7 + ".xyz")); };
    return s;
  });
  EXPECT_EQ(t.status, 1);
  EXPECT_NE(t.err.find("00433  .xyz"), std::string::npos) << t.err;
  EXPECT_EQ(t.out.find("3D VIEW OPTIONS"), std::string::npos);
}

}  // namespace
