// Integration class, time-span dialogue and the step loop of a run.
#include "app/run_stage.h"

#include <cmath>
#include <memory>

#include "app/run_files.h"
#include "dynamics/shared_blocks.h"
#include "app/run_progress.h"
#include "dynamics/planet_setup.h"
#include "dynamics/rotating_frame.h"
#include "dynamics/step.h"
#include "sky/sky.h"

namespace app {
namespace {

constexpr const char* kSpanLines[] = {
    "NUMERICAL INTEGRATION >>>>>>>>>>>>>>>>>>>>>>>>>>>>>>>>",
    "                     T=0 corresponds to JD=",
    "                 time is in Julian years (365.25 days)",
    "please indicate in one line:",
    "-> time span to plot in years (negative for backwards)",
    "-> output timestep in years",
    "example: -100,0.02",
};
constexpr const char* kTooManyPoints = "       TOO MANY POINTS TO PLOT!!!!!  try again ...";
constexpr const char* kTooManySteps = "       SPAN TOO LONG: more than 100000000 integration steps  try again ...";
constexpr const char* kDatesOutOfRange =
    "       SPAN TOO LONG: the dates would not fit in the coordinates file  try again ...";
constexpr const char* kGoingOn = "...numerical integration going on with output ";
constexpr const char* kYears = " years";
constexpr const char* kEliminated = "  *** THE ASTEROID WAS ELIMINATED ***";

constexpr double kMaxPointsPerSpan = 40001.0;
// Beyond this many steps a run would last for hours, and the time T, a sum of steps,
// would drift by days.
constexpr double kMaxSteps = 1e8;
// The coordinates file writes the Julian date in 14 columns with 3 decimals.
constexpr double kLowestDate = -999999999.0;
constexpr double kHighestDate = 9999999999.0;

// True when every date the run can write fits the coordinates file: the last point
// lies at most one output step beyond the end of the span.
bool dates_fit(const RunState& state) {
  const double reach = std::fabs(state.span) + state.dt;
  const double last = state.blocks.epoch_jd + dynamics::kDaysPerYear * (state.span < 0.0 ? -reach : reach);
  return last > kLowestDate && last < kHighestDate;
}

// True while T lies strictly before the end of the span in the direction of h.
bool before_end(double T, double span, double h) { return h >= 0.0 ? T < span : T > span; }
// True once T lies strictly beyond the end of the span in the direction of h.
bool beyond_end(double T, double span, double h) { return h >= 0.0 ? T > span : T < span; }

struct RunBodies {
  dynamics::Bodies bodies;
  dynamics::Encounters encounters;
};

void write_point(RunFiles& files, const RunState& state, const dynamics::Bodies& bodies, double T) {
  const int planet = dynamics::planet_slot(state.integration_class, state.ipl);
  const int object = dynamics::object_slot(state.integration_class);
  const dynamics::OrbitalElements& orbit = dynamics::kPlanetTable[static_cast<size_t>(state.ipl - 1)].elements;
  const dynamics::Vec3& xp = bodies.x[planet];
  const dynamics::Vec3& xo = bodies.x[object];
  const dynamics::RotatingPoint point = dynamics::to_rotating_frame(xp[0], xp[1], xp[2], xo[0], xo[1], xo[2],
                                                        orbit.node * dynamics::kDegToRad, orbit.i * dynamics::kDegToRad,
                                                        bodies.r[planet]);
  files.write_point(state.blocks.epoch_jd + dynamics::kDaysPerYear * T, point);
}

void report_approaches(Console& console, RunFiles& files, const dynamics::Encounters& encounters,
                       RunState& state) {
  for (const dynamics::CloseApproach& approach : encounters.approaches) {
    files.write_approach(approach);
    state.approaches.push_back(approach);
    if (approach.collision) {
      console.out() << collision_lines(approach.planet);
      files.write_collision(approach.planet);
    }
  }
}

}  // namespace

void classify(RunState& state) {
  state.integration_class = dynamics::integration_class(state.elements.a * (1.0 - state.elements.e), state.ipl);
}

void ask_time_span(Console& console, RunState& state) {
  for (;;) {
    console.empty_line();
    console.line({kSpanLines[0]});
    console.line({kSpanLines[1], state.blocks.epoch_jd});
    for (int n = 2; n < 7; ++n) console.line({kSpanLines[n]});
    double span = state.span;  // a slash answer keeps the last values
    double dt = state.dt;
    console.read(kSpanLines[3], {&span, &dt});
    const char* refusal = set_time_span(state, span, dt);
    if (refusal == nullptr) return;
    console.line({refusal});
  }
}

const char* set_time_span(RunState& state, double span, double dt) {
  state.span = span;
  state.dt = dt;
  const double step = state.integration_class.step;
  if (step <= state.dt) {
    state.h = step;
    state.dt = std::round(state.dt / step) * step;
  } else {
    state.h = state.dt;
  }
  // A negative output step is refused like a zero one.
  if (!(state.dt > 0.0) || std::fabs(state.span) / state.dt > kMaxPointsPerSpan) return kTooManyPoints;
  if (std::fabs(state.span) / state.h > kMaxSteps) return kTooManySteps;
  if (!dates_fit(state)) return kDatesOutOfRange;
  return nullptr;
}

void integrate(Console& console, RunState& state, const std::filesystem::path& folder, std::ostream* progress) {
  RunFiles files(folder, state.name7);
  dynamics::SharedBlocks& blocks = state.blocks;
  dynamics::store_constants(blocks, state.integration_class.central_mass);
  // Bodies and lists of a run are large; keep them off the stack.
  auto run = std::make_unique<RunBodies>();
  dynamics::start_run(run->encounters);
  double T = 0.0;
  console.line({kGoingOn, state.dt, kYears});
  console.flush();  // a long run follows: a piped session shows where it is
  if (state.span < 0.0) state.h = -state.h;
  files.open_close_approaches();
  state.approaches.clear();

  sky::sky_model(state.sky).set_up_planets(blocks, run->bodies, state.integration_class, blocks.epoch_jd);
  dynamics::add_small_body(blocks, run->bodies, state.elements);
  write_point(files, state, run->bodies, T);

  RunProgress bar(progress != nullptr ? *progress : console.out(), progress != nullptr);
  const int object_slot = dynamics::object_slot(state.integration_class);
  // Outputs are counted in whole steps: dt is a whole number of steps h, and a sum of
  // millions of steps compared with dt would miss points through its rounding.
  const long steps_per_output = std::lround(state.dt / std::fabs(state.h));
  long steps_since_output = 0;
  for (;;) {
    ++steps_since_output;
    dynamics::take_step(blocks, run->bodies, run->encounters, T, state.h);
    report_approaches(console, files, run->encounters, state);
    // Tested on every step, output steps included: a lost object has no position
    // left to write (its slot only keeps its last state).
    if (blocks.counts.total < object_slot) {
      console.line({kEliminated});
      break;
    }
    if (steps_since_output == steps_per_output) {
      write_point(files, state, run->bodies, T);
      steps_since_output = 0;
      if (beyond_end(T, state.span, state.h)) break;
    } else if (!before_end(T, state.span, state.h)) {
      break;
    }
    bar.update(state.span != 0.0 ? T / state.span : 1.0);
  }
  bar.finish();
  files.close();
}

void run_span(Console& console, RunState& state, const std::filesystem::path& folder, std::ostream& err,
              bool is_terminal) {
  ask_time_span(console, state);
  integrate(console, state, folder, is_terminal ? &err : nullptr);
}

}  // namespace app
