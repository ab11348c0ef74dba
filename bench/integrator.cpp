// Speed of the integrator: a 1000-year (and a 100-year) run of Apophis with the Earth as reference
// planet and an output step of 0.1 year (files written as in the program), and one
// step of the loop for nine planets and one asteroid, and the planets' transfer from the
// table epoch to a 2019 epoch.
#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include <filesystem>
#include <iostream>
#include <memory>
#include <sstream>

#include "app/run_stage.h"
#include "dynamics/shared_blocks.h"
#include "dynamics/planet_setup.h"
#include "dynamics/planets_to_epoch.h"
#include "dynamics/step.h"

namespace {

// (99942) Apophis from the sample catalogue: epoch K1972 (JD 2458666.5), a, e, i,
// node, argument of perihelion, mean anomaly.
const dynamics::OrbitalElements kApophis{0.9225169, 0.1914724, 3.33690, 204.05444, 126.67983, 236.64021};
constexpr double kApophisEpoch = 2458666.5;

long max_rss_kb() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return usage.ru_maxrss;
}

// Span in years as the argument: memory must not grow with it.
void BM_Apophis(benchmark::State& bench) {
  const std::filesystem::path folder = std::filesystem::temp_directory_path() / "skytrak3d-bench";
  std::filesystem::create_directories(folder);
  for (auto _ : bench) {
    app::RunState state;
    state.ipl = 3;
    state.name7 = "99942  ";
    state.elements = {kApophis.a, kApophis.e, kApophis.i, kApophis.node, kApophis.peri, kApophis.m};
    state.blocks.epoch_jd = kApophisEpoch;
    app::classify(state);
    std::istringstream answer(std::to_string(bench.range(0)) + ",0.1\n");
    std::ostringstream out;
    app::Console console(answer, out);
    app::run_span(console, state, folder, std::cerr, false);
    benchmark::DoNotOptimize(state.blocks.counts.total);
  }
  // Steps of 0.005 year.
  const double steps = static_cast<double>(bench.range(0)) / 0.005;
  bench.counters["steps"] = steps;
  bench.counters["s_per_step"] = benchmark::Counter(steps * static_cast<double>(bench.iterations()),
                                                    benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
  bench.counters["max_rss_kb"] = static_cast<double>(max_rss_kb());
  std::filesystem::remove_all(folder);
}
BENCHMARK(BM_Apophis)->Arg(100)->Arg(1000)->Unit(benchmark::kMillisecond)->Iterations(3);

struct Model {
  dynamics::SharedBlocks blocks;
  dynamics::Bodies bodies;
  dynamics::Encounters encounters;
  double T = 0.0;
};

void BM_OneStep(benchmark::State& bench) {
  auto model = std::make_unique<Model>();
  const dynamics::IntegrationClass klass = dynamics::integration_class(kApophis.a * (1.0 - kApophis.e), 3);
  dynamics::store_constants(model->blocks, klass.central_mass);
  model->blocks.epoch_jd = kApophisEpoch;
  dynamics::setup_planets(model->blocks, model->bodies, klass);
  dynamics::add_small_body(model->blocks, model->bodies, kApophis);
  dynamics::carry_planets_to_epoch(model->blocks, model->bodies, dynamics::kPlanetEpochJd);
  dynamics::start_run(model->encounters);
  for (auto _ : bench) {
    dynamics::take_step(model->blocks, model->bodies, model->encounters, model->T, klass.step);
    benchmark::DoNotOptimize(model->bodies.x[10]);
  }
  bench.counters["bodies"] = model->blocks.counts.total;
}
BENCHMARK(BM_OneStep)->Unit(benchmark::kNanosecond);

// Set-up of the planets for Apophis's 2019 epoch: 7266 days of transfer.
void BM_PlanetsToEpoch(benchmark::State& bench) {
  auto model = std::make_unique<Model>();
  const dynamics::IntegrationClass klass = dynamics::integration_class(kApophis.a * (1.0 - kApophis.e), 3);
  dynamics::store_constants(model->blocks, klass.central_mass);
  model->blocks.epoch_jd = kApophisEpoch;
  for (auto _ : bench) {
    dynamics::setup_planets(model->blocks, model->bodies, klass);
    dynamics::add_small_body(model->blocks, model->bodies, kApophis);
    dynamics::carry_planets_to_epoch(model->blocks, model->bodies, dynamics::kPlanetEpochJd);
    benchmark::DoNotOptimize(model->bodies.x[3]);
  }
}
BENCHMARK(BM_PlanetsToEpoch)->Unit(benchmark::kMillisecond);

}  // namespace
