// Tests of the integration stage: class, time-span dialogue, the run and its files.
#include "app/run_stage.h"
#include "dynamics/shared_blocks.h"

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "app/coordinates_record.h"
#include "app/run_files.h"
#include "errors/error.h"
#include "textio/fixed_format.h"
#include "dialogue_support.h"
#include "test_support/file_size_limit.h"
#include "dynamics/planet_setup.h"
#include "dynamics/planets_to_epoch.h"
#include "dynamics/planet_orbit.h"

namespace {

using dialogue_test::TempDir;

std::vector<std::string> lines_of(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::vector<std::string> lines;
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

const std::string kSpanDialogue =
    "  \n"
    " NUMERICAL INTEGRATION >>>>>>>>>>>>>>>>>>>>>>>>>>>>>>>>\n"
    "                      T=0 corresponds to JD=  2458666.5\n"
    "                  time is in Julian years (365.25 days)\n"
    " please indicate in one line:\n"
    " -> time span to plot in years (negative for backwards)\n"
    " -> output timestep in years\n"
    " example: -100,0.02\n";
const std::string kTooMany = "        TOO MANY POINTS TO PLOT!!!!!  try again ...\n";

app::RunState object_state(double a, double e, int ipl) {
  app::RunState state;
  state.ipl = ipl;
  state.name7 = "TEST   ";
  state.elements = {a, e, 5.0, 40.0, 50.0, 60.0};
  state.blocks.epoch_jd = 2458666.5;
  app::classify(state);
  return state;
}

struct SpanAnswer {
  std::string out;
  app::RunState state;
};

SpanAnswer ask(const std::string& input, app::RunState state) {
  std::istringstream in(input);
  std::ostringstream out;
  app::Console console(in, out);
  app::ask_time_span(console, state);
  return {out.str(), state};
}

TEST(Classify, FromPerihelionAndReferencePlanet) {
  app::RunState near = object_state(1.3 / 0.8, 0.2, 3);
  EXPECT_EQ(near.integration_class.first_planet, 2);
  EXPECT_EQ(near.integration_class.central_mass, 1.000000166);
  EXPECT_EQ(near.integration_class.step, 0.01);
  app::RunState five = object_state(6.25, 0.2, 3);  // q = 5
  EXPECT_EQ(five.integration_class.first_planet, 2);
  EXPECT_EQ(five.integration_class.step, 0.01);
  five = object_state(6.25, 0.2, 5);
  EXPECT_EQ(five.integration_class.first_planet, 5);
  EXPECT_EQ(five.integration_class.central_mass, 1.000005976);
  EXPECT_EQ(five.integration_class.step, 0.05);
}

TEST(TimeSpan, StepRules) {
  const app::RunState q13 = object_state(1.3 / 0.8, 0.2, 3);  // dtmin 0.01
  SpanAnswer a = ask("1,0.013\n", q13);
  EXPECT_EQ(a.out, kSpanDialogue);
  EXPECT_EQ(a.state.span, 1.0);
  EXPECT_DOUBLE_EQ(a.state.dt, 0.01);
  EXPECT_EQ(a.state.h, 0.01);
  a = ask("1,0.004\n", q13);
  EXPECT_EQ(a.state.dt, 0.004);
  EXPECT_EQ(a.state.h, 0.004);
  // A half rounds away from zero: 0.025 is two and a half steps of 0.01.
  a = ask("-3 0.025\n", q13);
  EXPECT_DOUBLE_EQ(a.state.dt, 0.03);
  EXPECT_EQ(a.state.span, -3.0);
  EXPECT_EQ(a.state.h, 0.01);  // the sign comes with the run
}

TEST(TimeSpan, TooManyPointsAsksAgain) {
  const app::RunState fast = object_state(1.0, 0.3, 3);  // q = 0.7: dtmin 0.005
  ASSERT_EQ(fast.integration_class.step, 0.005);
  SpanAnswer a = ask("1000,0.02\n0,0\n-100,0.02\n", fast);
  EXPECT_EQ(a.out, kSpanDialogue + kTooMany + kSpanDialogue + kTooMany + kSpanDialogue);
  EXPECT_EQ(a.state.span, -100.0);
  EXPECT_DOUBLE_EQ(a.state.dt, 0.02);
  // Exactly 40001 points is still accepted.
  a = ask("800.02,0.02\n", fast);
  EXPECT_EQ(a.out, kSpanDialogue);
}

// A negative output step is refused like a zero one; so is a run of more than 1e8 steps
// (1e300 years never ends: T stops growing) or one whose dates overflow the 14 columns
// of the coordinates file's Julian date.
TEST(TimeSpan, UnrunnableAnswersAskAgain) {
  const app::RunState fast = object_state(1.0, 0.3, 3);  // dtmin 0.005
  const std::string too_many_steps = "        SPAN TOO LONG: more than 100000000 integration steps  try again ...\n";
  const std::string dates = "        SPAN TOO LONG: the dates would not fit in the coordinates file  try again ...\n";
  SpanAnswer a = ask("20,-0.01\n-20,-0.01\n1e300,1e300\n1e9,25000\n500000.005,12.5\n500000,12.5\n", fast);
  EXPECT_EQ(a.out, kSpanDialogue + kTooMany + kSpanDialogue + kTooMany + kSpanDialogue + too_many_steps +
                       kSpanDialogue + too_many_steps + kSpanDialogue + too_many_steps + kSpanDialogue);
  EXPECT_EQ(a.state.span, 500000.0);  // exactly 1e8 steps
  // Far object, steps of 0.1 year: backwards the Julian date passes -999999999 at
  // 2744582 years, forwards 9999999999 at 27.37 million years, beyond 1e8 steps.
  const app::RunState far = object_state(9.0, 0.2, 5);
  ASSERT_EQ(far.integration_class.step, 0.1);
  a = ask("-2744500,100\n-2744400,100\n", far);
  EXPECT_EQ(a.out, kSpanDialogue + dates + kSpanDialogue);
  // The last point may lie one output step beyond the span: its date still fits the column.
  const double last_jd = far.blocks.epoch_jd - 365.25 * (2744400.0 + 100.0);
  EXPECT_EQ(textio::format_fw(last_jd, 14, 3).find('*'), std::string::npos) << textio::format_fw(last_jd, 14, 3);
  EXPECT_NE(textio::format_fw(far.blocks.epoch_jd - 365.25 * (2744500.0 + 100.0), 14, 3).find('*'), std::string::npos);
  // Forwards 1e8 steps of 0.1 year (1e7 years) always fit.
  a = ask("10000000,250\n", far);
  EXPECT_EQ(a.out, kSpanDialogue);
}

// The bodies of the run of `state` at its epoch, set up as the run sets them up.
void bodies_at_epoch(const app::RunState& state, dynamics::SharedBlocks& blocks, dynamics::Bodies& bodies) {
  dynamics::store_constants(blocks, state.integration_class.central_mass);
  blocks.epoch_jd = state.blocks.epoch_jd;
  dynamics::setup_planets(blocks, bodies, state.integration_class);
  dynamics::add_small_body(blocks, bodies, state.elements);
  dynamics::carry_planets_to_epoch(blocks, bodies, dynamics::kPlanetEpochJd);
}

struct Integration {
  std::string out;
  std::vector<std::string> xyz;
  std::vector<std::string> clo;
  app::RunState state;
};

Integration integrate(app::RunState state, double span, double dt, const TempDir& folder) {
  std::ostringstream answer;
  answer << span << ',' << dt << '\n';
  std::istringstream in(answer.str());
  std::ostringstream out;
  app::Console console(in, out);
  app::run_span(console, state, folder.path(), std::cerr, false);
  return {out.str(), lines_of(folder.path() / (state.name7 + ".xyz")),
          lines_of(folder.path() / (state.name7 + ".clo")), state};
}

const char* kXyzHeading = " JD , X (relative units) , Y (ru), Z (ru), DELTA (AU)";
const char* kCloHeading = "   JDclose      Dmin/Rplan   Vp(K/s)    energy  Planet";

// -100,0.02 with dtmin 0.005: backwards with h = -0.005, a point every fourth step,
// 5001 points, the last 36525 days before the epoch.
TEST(Integrate, HundredYearsBackwards) {
  TempDir folder;
  const Integration run = integrate(object_state(2.2, 0.1, 3 - 1), -100.0, 0.02, folder);
  ASSERT_EQ(run.state.integration_class.step, 0.005);
  EXPECT_EQ(run.state.h, -0.005);
  EXPECT_EQ(run.out, kSpanDialogue + " ...numerical integration going on with output   0.02 years\n");
  ASSERT_EQ(run.xyz.size(), 5002u);
  EXPECT_EQ(run.xyz[0], kXyzHeading);
  EXPECT_EQ(run.xyz[1].substr(0, 14), "   2458666.500");
  EXPECT_EQ(run.xyz[2].substr(0, 14), "   2458659.195");
  EXPECT_EQ(run.xyz.back().substr(0, 14), "   2422141.500");
  for (size_t n = 1; n < run.xyz.size(); ++n) ASSERT_EQ(run.xyz[n].size(), 70u) << n;
  ASSERT_EQ(run.clo.size(), 1u);
  EXPECT_EQ(run.clo[0], kCloHeading);
}

// The point at T = 0 in the reference planet's frame, against a hand computation from
// the planet's and the object's states.
TEST(Integrate, FirstPointInTheRotatingFrame) {
  TempDir folder;
  app::RunState state = object_state(2.2, 0.1, 3);
  const Integration run = integrate(state, 0.001, 0.02, folder);
  ASSERT_EQ(run.xyz.size(), 2u);  // a span shorter than dtmin: the point at T = 0 only
  dynamics::SharedBlocks blocks;
  dynamics::Bodies bodies;
  bodies_at_epoch(state, blocks, bodies);
  const dynamics::Vec3& earth = bodies.x[2];
  const dynamics::Vec3& object = bodies.x[9];
  // Earth's plane is practically the ecliptic (i = 0.0001213 deg): the frame's X axis
  // points away from the Sun, Y along the Earth's motion.
  const double rp = bodies.r[2];
  const double lon = std::atan2(earth[1], earth[0]);
  const dynamics::Vec3 d = dynamics::diff(object, earth);
  const double X = (std::cos(lon) * d[0] + std::sin(lon) * d[1]) / rp;
  const double Y = (-std::sin(lon) * d[0] + std::cos(lon) * d[1]) / rp;
  std::istringstream fields(run.xyz[1]);
  double jd, fx, fy, fz, delta;
  fields >> jd >> fx >> fy >> fz >> delta;
  EXPECT_EQ(jd, 2458666.5);
  // Half a unit of the sixth significant digit of E14.6, and the planet's tilt of
  // 2e-6 rad that the hand computation leaves out.
  const auto tolerance = [](double v) { return 5e-7 * std::pow(10.0, std::floor(std::log10(std::fabs(v))) + 1.0) + 1e-5 * std::fabs(v); };
  EXPECT_NEAR(fx, X, tolerance(X));
  EXPECT_NEAR(fy, Y, tolerance(Y));
  EXPECT_NEAR(fz, d[2] / rp, tolerance(d[2] / rp) + 3e-6 * dynamics::norm(d));
  EXPECT_NEAR(delta, dynamics::norm(d), tolerance(dynamics::norm(d)));
}

TEST(Integrate, ShortSpansAndSmallSteps) {
  TempDir folder;
  const app::RunState state = object_state(2.2, 0.1, 3);  // q = 1.98: dtmin 0.01
  // A span shorter than dtmin with dt of two steps: only the point at T = 0. (With dt
  // equal to dtmin every step is an output step, so the first step writes too.)
  EXPECT_EQ(integrate(state, 0.005, 0.02, folder).xyz.size(), 2u);
  EXPECT_EQ(integrate(state, 0.005, 0.01, folder).xyz.size(), 3u);
  // dt below dtmin: every step writes, the second point one step beyond the span.
  const Integration small = integrate(state, 0.002, 0.004, folder);
  ASSERT_EQ(small.xyz.size(), 3u);
  EXPECT_EQ(small.xyz[2].substr(0, 14), "   2458667.961");
  // Files are overwritten at every run.
  EXPECT_EQ(lines_of(folder.path() / "TEST   .xyz").size(), 3u);
}

TEST(Integrate, NameKeepsItsBlanks) {
  TempDir folder;
  app::RunState state = object_state(1.4581823, 0.2227385, 3);
  state.name7 = "00433  ";
  integrate(state, 0.1, 0.05, folder);
  EXPECT_TRUE(std::filesystem::exists(folder.path() / "00433  .xyz"));
  EXPECT_TRUE(std::filesystem::exists(folder.path() / "00433  .clo"));
}

// An orbit through the Sun's capture radius is eliminated at the first step; the files
// hold the point at T = 0 whether or not that step was due to write a point.
TEST(Integrate, ObjectInsideTheSunIsEliminated) {
  for (double dt : {0.02, 0.005}) {
    TempDir folder;
    app::RunState state = object_state(1.0, 0.999, 3);
    state.elements.m = 0.0;  // at perihelion, 0.001 AU from the Sun
    const Integration run = integrate(state, 1.0, dt, folder);
    EXPECT_EQ(run.out.substr(run.out.size() - 39), "   *** THE ASTEROID WAS ELIMINATED ***\n") << dt;
    EXPECT_EQ(run.xyz.size(), 2u) << dt;
    EXPECT_EQ(run.clo.size(), 1u) << dt;
  }
}

// A hand-entered hyperbola (a > 0, e > 1) starts where that hyperbola puts it and is
// eliminated at the first step, the files holding the point at T = 0.
TEST(Integrate, HyperbolaIsEliminatedAtTheFirstStep) {
  TempDir folder;
  app::RunState state = object_state(1.5, 1.2, 3);
  state.elements.m = 0.0;  // at perihelion, q = 1.5 x 0.2 = 0.3 AU
  const Integration run = integrate(state, 1.0, 0.02, folder);
  EXPECT_EQ(run.out.substr(run.out.size() - 39), "   *** THE ASTEROID WAS ELIMINATED ***\n");
  ASSERT_EQ(run.xyz.size(), 2u);
  std::istringstream fields(run.xyz[1]);
  double jd, x, y, z, delta;
  fields >> jd >> x >> y >> z >> delta;
  ASSERT_FALSE(fields.fail()) << run.xyz[1];
  // 0.3 AU from the Sun, so between 0.7 and 1.3 AU from the Earth.
  EXPECT_GT(delta, 0.68);
  EXPECT_LT(delta, 1.32);
}

// An object aimed at the Earth's centre from 0.01 AU: the record, the two collision
// lines on the console and in the file, the elimination.
TEST(Integrate, CollisionWithTheEarth) {
  TempDir folder;
  app::RunState state = object_state(1.0, 0.3, 3);  // all nine planets, Earth in slot 3
  dynamics::SharedBlocks blocks;
  dynamics::Bodies bodies;
  bodies_at_epoch(state, blocks, bodies);
  const dynamics::Vec3 dir = {0.48, 0.64, 0.6};
  const double speed = 10.0 * dynamics::kAuYrPerKmS;
  dynamics::Vec3 X, V;
  for (int c = 0; c < 3; ++c) {
    X[c] = bodies.x[3][c] - 0.01 * dir[c];
    V[c] = bodies.v[3][c] + speed * dir[c];
  }
  dynamics::OrbitalElements osc;
  dynamics::planet_orbit(X, V, dynamics::kTwoPi, blocks.constants.gm_central, 0.0, osc);
  state.elements = osc;
  app::classify(state);
  ASSERT_EQ(state.integration_class.first_planet, 1);
  const Integration run = integrate(state, 0.1, 0.01, folder);
  const std::string collision = " IMMINENT COLLISION WITH PLANET  3\n PLEASE, EVACUATE THE PLANET\n";
  EXPECT_EQ(run.out, kSpanDialogue + " ...numerical integration going on with output   0.01 years\n" + collision +
                         "   *** THE ASTEROID WAS ELIMINATED ***\n");
  ASSERT_EQ(run.clo.size(), 4u);
  EXPECT_EQ(run.clo[2], " IMMINENT COLLISION WITH PLANET  3");
  EXPECT_EQ(run.clo[3], " PLEASE, EVACUATE THE PLANET");
  std::istringstream record(run.clo[1]);
  double jd, dmin, vp, energy;
  int planet;
  record >> jd >> dmin >> vp >> energy >> planet;
  EXPECT_EQ(planet, 3);
  EXPECT_LT(dmin, 1.0);
  // 0.01 AU at about 10.4 km/s: about 1.66 days to the impact.
  EXPECT_NEAR(jd - 2458666.5, 1.66, 0.1);
  // Head on: the pericentre of the point mass is at its centre, the speed there
  // unbounded and written at its cap.
  EXPECT_LT(dmin, 0.1);
  EXPECT_EQ(vp, 99.99);
}

TEST(RunFiles, RecordLayouts) {
  dynamics::CloseApproach a;
  a.jd = 2462071.0012;
  a.dmin_rplan = 146.24;
  a.vp_kms = 13.914;
  a.energy = 4.28501;
  a.planet = 3;
  EXPECT_EQ(app::approach_record(a), "    2462071.00     146.2     13.91      4.2850    3");
  a.vp_kms = static_cast<double>(99.99f);
  a.energy = -static_cast<double>(99.999f);
  EXPECT_EQ(app::approach_record(a).substr(24), "     99.99    -99.9990    3");
  const dynamics::RotatingPoint p{1.234567, -0.000123456789, 0.0, 12.5};
  EXPECT_EQ(app::coordinates_record(2458666.5, p),
            "   2458666.500  0.123457E+01 -0.123457E-03  0.000000E+00  0.125000E+02");
}

// A stream buffer that keeps what had reached it at each flush.
class FlushLog : public std::stringbuf {
 public:
  std::vector<std::string> flushed;

 protected:
  int sync() override {
    flushed.push_back(str());
    return 0;
  }
};

// The line announcing a run is flushed before the run starts, so that a piped session
// shows where it is: the last flush of the session ends with that line.
TEST(Integrate, AnnouncementIsFlushedBeforeTheRun) {
  TempDir folder;
  app::RunState state = object_state(2.2, 0.1, 3);
  std::istringstream in("10,0.5\n");
  FlushLog log;
  std::ostream out(&log);
  app::Console console(in, out);
  app::run_span(console, state, folder.path(), std::cerr, false);
  ASSERT_FALSE(log.flushed.empty());
  const std::string& last = log.flushed.back();
  EXPECT_TRUE(last.ends_with(" ...numerical integration going on with output   0.5 years\n")) << last;
}

TEST(RunFiles, UnwritableFilesEndTheProgram) {
  TempDir folder;
  // A folder that does not exist: the file cannot be created.
  EXPECT_THROW(app::RunFiles(folder.path() / "missing", "TEST   "), errors::Failure);
  // A full disk, as a file-size limit: the earlier coordinates file stays as it was.
  folder.write("FULL   .xyz", "earlier");
  const test_support::FileSizeLimit full(1000);
  app::RunState state = object_state(2.2, 0.1, 3);
  state.name7 = "FULL   ";
  std::ostringstream out;
  std::istringstream answer("1,0.01\n");
  app::Console asking(answer, out);
  try {
    app::run_span(asking, state, folder.path(), std::cerr, false);
    FAIL() << "a run into a full disk was reported as done";
  } catch (const errors::Failure& error) {
    EXPECT_NE(std::string(error.what()).find("FULL   .xyz): File too large"), std::string::npos) << error.what();
  }
  std::ifstream earlier(folder.path() / "FULL   .xyz");
  std::string kept;
  std::getline(earlier, kept);
  EXPECT_EQ(kept, "earlier");
}

}  // namespace
