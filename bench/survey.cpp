// Speed of the survey: the cost of one object-step, the whole 20,060-record catalogue over
// the first half of 2020 (Earth, 0.2 AU) on 1 and 2 threads, and the same on 2 MPI ranks
// (the program under mpirun, timed from outside), and in the ephemeris sky with the Earth
// and the Moon watched. Object-steps per second for each.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "survey/survey_run.h"

namespace {

const std::string kCatalogue = std::string(SKYTRAK_SHARED_DATA) + "/NEA-2019-07-02.txt";

survey::SurveySettings first_half_of_2020() {
  survey::SurveySettings settings;
  settings.from_jd = 2458849.5;
  settings.to_jd = 2459031.5;
  settings.watched[3] = true;
  settings.distance_au = 0.2;
  return settings;
}

survey::SurveyCatalogue read(const std::string& path) {
  std::ostringstream warnings;
  return survey::read_survey_catalogue(path, {}, warnings);
}

void report(benchmark::State& bench, long object_steps) {
  bench.counters["object_steps_per_s"] = benchmark::Counter(static_cast<double>(object_steps), benchmark::Counter::kIsRate);
  bench.counters["s_per_object_step"] =
      benchmark::Counter(static_cast<double>(object_steps), benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}

// The 21 objects of the sample catalogue on one thread: the cost of one object-step.
void BM_SurveySample(benchmark::State& bench) {
  const survey::SurveyCatalogue catalogue = read(std::string(SKYTRAK_SOURCE_DIR) + "/data/nea.dat");
  const std::vector<size_t> all = survey::all_indices(catalogue.objects.size());
  long steps = 0;
  for (auto _ : bench) {
    steps += survey_objects(catalogue.objects, all, first_half_of_2020(), 1, nullptr).object_steps;
  }
  report(bench, steps);
}
BENCHMARK(BM_SurveySample)->Unit(benchmark::kMillisecond)->UseRealTime();

// The whole catalogue with these settings on `jobs` threads.
void survey_catalogue(benchmark::State& bench, const survey::SurveySettings& settings, int jobs) {
  if (!std::filesystem::exists(kCatalogue)) {
    bench.SkipWithError("shared catalogue not found");
    return;
  }
  const survey::SurveyCatalogue catalogue = read(kCatalogue);
  const std::vector<size_t> all = survey::all_indices(catalogue.objects.size());
  long steps = 0;
  for (auto _ : bench) steps += survey_objects(catalogue.objects, all, settings, jobs, nullptr).object_steps;
  report(bench, steps);
}

// The whole catalogue on 1 and 2 threads.
void BM_SurveyCatalogue(benchmark::State& bench) {
  survey_catalogue(bench, first_half_of_2020(), static_cast<int>(bench.range(0)));
}
BENCHMARK(BM_SurveyCatalogue)->Arg(1)->Arg(2)->Iterations(1)->Unit(benchmark::kSecond)->UseRealTime();

// The whole catalogue on one thread in the ephemeris sky, the Earth's centre and the
// Moon watched: the cost of the Earth and the Moon apart, against BM_SurveyCatalogue/1.
void BM_SurveyCatalogueEarthAndMoon(benchmark::State& bench) {
  survey::SurveySettings settings = first_half_of_2020();
  settings.sky = sky::Sky::ephemeris;
  settings.watched[survey::kMoonTarget] = true;
  survey_catalogue(bench, settings, 1);
}
BENCHMARK(BM_SurveyCatalogueEarthAndMoon)->Iterations(1)->Unit(benchmark::kSecond)->UseRealTime();

// The whole catalogue on 2 MPI ranks of one thread each: the program itself under
// mpirun, with the object-steps per second its summary line gives.
void BM_SurveyCatalogueTwoRanks(benchmark::State& bench) {
  if (!std::filesystem::exists(kCatalogue) || std::system("command -v mpirun >/dev/null") != 0) {
    bench.SkipWithError("shared catalogue or mpirun not found");
    return;
  }
  const std::filesystem::path summary = std::filesystem::temp_directory_path() / "skytrak3d-bench-survey.txt";
  const std::string command = "mpirun --allow-run-as-root --oversubscribe -np 2 " + std::string(SKYTRAK_BIN_DIR) +
                              "/skytrak3d survey --catalogue " + kCatalogue +
                              " --from 2458849.5 --to 2459031.5 --distance 0.2 --jobs 1 >/dev/null 2>" +
                              summary.string();
  for (auto _ : bench) {
    if (std::system(command.c_str()) != 0) {
      bench.SkipWithError("mpirun failed");
      return;
    }
  }
  // "survey: N objects, B bad records skipped, A approaches, W s wall, R object-steps/s"
  std::ifstream in(summary);
  std::string line, word;
  std::getline(in, line);
  std::istringstream words(line);
  double rate = 0.0;
  for (std::string previous; words >> word; previous = word) {
    if (word == "object-steps/s") rate = std::stod(previous);
  }
  bench.counters["object_steps_per_s"] = rate;
  bench.counters["s_per_object_step"] = rate > 0.0 ? 1.0 / rate : 0.0;
  std::filesystem::remove(summary);
}
BENCHMARK(BM_SurveyCatalogueTwoRanks)->Iterations(1)->Unit(benchmark::kSecond)->UseRealTime();

}  // namespace
