// Speed of the co-orbital search: the candidates of each planet in the whole 2019
// catalogue at the default span (80,000 steps per object and as many for its clone) on 2
// threads, and all nine planets in one go. Counters: candidates and object-steps per second.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <sstream>
#include <string>

#include "survey/io/object_list.h"
#include "coorbital/candidates.h"
#include "coorbital/coorbital_search.h"

namespace {

const std::string kCatalogue = std::string(SKYTRAK_SHARED_DATA) + "/NEA-2019-07-02.txt";

// The candidates of `planets` searched on 2 threads, per iteration.
void search_planets(benchmark::State& bench, int first_planet, int last_planet) {
  if (!std::filesystem::exists(kCatalogue)) {
    bench.SkipWithError("shared catalogue not found");
    return;
  }
  std::ostringstream warnings;
  const survey::SurveyCatalogue catalogue = survey::read_survey_catalogue(kCatalogue, {}, warnings);
  long steps = 0, candidates = 0;
  for (auto _ : bench) {
    candidates = 0;
    for (int planet = first_planet; planet <= last_planet; ++planet) {
      coorbital::CoorbitalSettings settings;
      settings.planet = planet;
      settings.jobs = 2;
      const std::vector<std::size_t> chosen = coorbital::candidates(catalogue.objects, planet);
      candidates += static_cast<long>(chosen.size());
      if (!chosen.empty()) steps += coorbital::search(catalogue.objects, chosen, settings, nullptr).object_steps;
    }
  }
  bench.counters["candidates"] = static_cast<double>(candidates);
  bench.counters["object_steps_per_s"] = benchmark::Counter(static_cast<double>(steps), benchmark::Counter::kIsRate);
}

void BM_CoorbitalPlanet(benchmark::State& bench) {
  const int planet = static_cast<int>(bench.range(0));
  search_planets(bench, planet, planet);
}
BENCHMARK(BM_CoorbitalPlanet)->DenseRange(1, 9)->Unit(benchmark::kSecond)->UseRealTime()->MeasureProcessCPUTime()->Iterations(1);

void BM_CoorbitalAllPlanets(benchmark::State& bench) { search_planets(bench, 1, 9); }
BENCHMARK(BM_CoorbitalAllPlanets)->Unit(benchmark::kSecond)->UseRealTime()->MeasureProcessCPUTime()->Iterations(1);

}  // namespace
