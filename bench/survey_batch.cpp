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

#include "survey/batch/batch_legs.h"
#include "survey/engine/group_legs.h"
#include "survey/engine/planet_table.h"
#include "survey/io/object_list.h"

namespace {

const std::string kCatalogue = std::string(SKYTRAK_SHARED_DATA) + "/NEA-2019-07-02.txt";

// 2020, the Earth within 0.05 AU: 6.04 million object-steps from the 2019 epoch.
const survey::SurveySettings kYear2020{2458849.5, 2459215.5, {false, false, false, true}, 0.05};

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
  const survey::SurveySettings& settings = kYear2020;
  const double epoch = catalogue.front().epoch_jd;
  std::map<double, std::unique_ptr<survey::EpochPlanets>> planets;
  planets[epoch] = std::make_unique<survey::EpochPlanets>();
  survey::carry_planets(*planets[epoch], epoch, sky::sky_model(settings.sky));
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

// The single run's step: the first 50 objects of the catalogue each alone with the nine
// planets stepped with it (survey_group with one object and no table: take_step and the
// same search of approaches), over 2020; CPU per step.
void BM_SingleRunStepOfCatalogueObjects(benchmark::State& bench) {
  if (!std::filesystem::exists(kCatalogue)) {
    bench.SkipWithError("shared catalogue not found");
    return;
  }
  std::vector<survey::SurveyObject> objects = read_catalogue();
  objects.resize(50);
  const survey::SurveySettings& settings = kYear2020;
  survey::EpochPlanets planets;
  survey::carry_planets(planets, objects.front().epoch_jd, sky::sky_model(settings.sky));
  long steps = 0;
  const std::clock_t start = std::clock();
  for (auto _ : bench) {
    for (const survey::SurveyObject& object : objects) {
      steps += survey::survey_group({&object}, planets, settings).front().steps;
    }
  }
  report_cpu(bench, start, steps);
}
BENCHMARK(BM_SingleRunStepOfCatalogueObjects)->Unit(benchmark::kMillisecond);

}  // namespace
