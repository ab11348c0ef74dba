// The survey's batches against the single run, CPU per object-step in one program run:
// the whole 2019 catalogue over 2020 through survey_batch, in batches of the size given,
// and the single run's own step (one object with the nine planets).
#include <benchmark/benchmark.h>

#include <ctime>
#include <filesystem>
#include <map>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "dynamics/planet_setup.h"
#include "dynamics/step.h"
#include "sky/object_elements.h"
#include "survey/batch_survey.h"
#include "survey/planet_table.h"

namespace {

const std::string kCatalogue = std::string(SKYTRAK_SHARED_DATA) + "/NEA-2019-07-02.txt";

// 2020, the Earth within 0.05 AU: 6.04 million object-steps from the 2019 epoch.
survey::SurveySettings year_2020() {
  survey::SurveySettings settings;
  settings.from_jd = 2458849.5;
  settings.to_jd = 2459215.5;
  settings.watched[3] = true;
  settings.distance_au = 0.05;
  return settings;
}

std::vector<survey::SurveyObject> read_catalogue() {
  std::ostringstream warnings;
  return survey::read_survey_catalogue(kCatalogue, {}, warnings).objects;
}

void report_cpu(benchmark::State& bench, std::clock_t start, long steps) {
  const double cpu = static_cast<double>(std::clock() - start) / CLOCKS_PER_SEC;
  bench.counters["cpu_s_per_step"] = cpu / static_cast<double>(steps);
  bench.counters["steps"] = static_cast<double>(steps);
}

// The catalogue through survey_batch, range(0) objects per call (one batch each), on one
// thread; the planets and their table set up before the clock starts.
void BM_BatchCatalogueYear(benchmark::State& bench) {
  if (!std::filesystem::exists(kCatalogue)) {
    bench.SkipWithError("shared catalogue not found");
    return;
  }
  const std::vector<survey::SurveyObject> catalogue = read_catalogue();
  const survey::SurveySettings settings = year_2020();
  const double epoch = catalogue.front().epoch_jd;
  std::map<double, std::unique_ptr<survey::EpochPlanets>> planets;
  planets[epoch] = std::make_unique<survey::EpochPlanets>();
  survey::carry_planets(*planets[epoch], epoch, settings.sky);
  const survey::LegTables tables =
      survey::step_planets_of_epochs(planets, {{epoch, catalogue.size()}}, settings).at(epoch);
  const size_t size = static_cast<size_t>(bench.range(0));
  long steps = 0;
  const std::clock_t start = std::clock();
  for (auto _ : bench) {
    for (size_t first = 0; first < catalogue.size(); first += size) {
      std::vector<const survey::SurveyObject*> batch;
      for (size_t n = first; n < catalogue.size() && n < first + size; ++n) batch.push_back(&catalogue[n]);
      for (const survey::ObjectOutcome& outcome : survey::survey_batch(batch, *planets[epoch], settings, &tables)) {
        steps += outcome.steps;
      }
    }
  }
  report_cpu(bench, start, steps);
}
BENCHMARK(BM_BatchCatalogueYear)
    ->Arg(11)
    ->Arg(64)
    ->Arg(128)
    ->Arg(256)
    ->Arg(512)
    ->Arg(1024)
    ->Iterations(1)
    ->Unit(benchmark::kSecond)
    ->UseRealTime();

// The single run's step: the first 50 objects of the catalogue, each alone with the nine
// planets for 200 steps from its epoch, CPU per step (the set-up before the clock).
void BM_SingleRunStepOfCatalogueObjects(benchmark::State& bench) {
  if (!std::filesystem::exists(kCatalogue)) {
    bench.SkipWithError("shared catalogue not found");
    return;
  }
  std::vector<survey::SurveyObject> objects = read_catalogue();
  objects.resize(50);
  std::vector<survey::EpochPlanets> runs(objects.size());
  for (size_t n = 0; n < runs.size(); ++n) {
    survey::carry_planets(runs[n], objects[n].epoch_jd, sky::Sky::table);
    dynamics::add_small_body(runs[n].blocks, runs[n].bodies,
                             sky::elements_in_sky(objects[n].elements, objects[n].mean_motion, sky::Sky::table));
  }
  auto encounters = std::make_unique<dynamics::Encounters>();
  long steps = 0;
  const std::clock_t start = std::clock();
  for (auto _ : bench) {
    for (const survey::EpochPlanets& set_up : runs) {
      survey::EpochPlanets run = set_up;
      dynamics::start_run(*encounters);
      double T = 0.0;
      for (int n = 0; n < 200 && run.blocks.counts.total > run.blocks.counts.planets; ++n, ++steps) {
        dynamics::take_step(run.blocks, run.bodies, *encounters, T, survey::kSurveyClass.step);
      }
    }
  }
  report_cpu(bench, start, steps);
}
BENCHMARK(BM_SingleRunStepOfCatalogueObjects)->Unit(benchmark::kMillisecond);

}  // namespace
