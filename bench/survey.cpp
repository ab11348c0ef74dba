// Speed of the survey: the cost of one object-step, the whole 20,060-record catalogue over
// the first half of 2020 (Earth, 0.2 AU) on 1 and 2 threads, and in the ephemeris sky
// with the Earth and the Moon watched, in object-steps per second; over 2020 on 2 MPI
// ranks against 2 threads (the program itself, its CPU measured from outside). The whole
// catalogue over 2020 in process CPU per object-step, with the planets stepped once per
// leg and in every group, against the single run's CPU per step, and the speed-up of 2
// threads over 1. A catalogue of up to a million objects streamed from a file: time and
// memory.
#include <benchmark/benchmark.h>
#include <sys/resource.h>
#include <unistd.h>

#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "dynamics/planet_setup.h"
#include "dynamics/step.h"
#include "survey/engine/group_legs.h"
#include "survey/io/object_list.h"
#include "survey/io/object_stream.h"
#include "survey/parallel/threaded_survey.h"

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

// CPU seconds of the finished children of this process (and of theirs) so far.
double children_cpu_s() {
  rusage usage{};
  getrusage(RUSAGE_CHILDREN, &usage);
  const auto seconds = [](const timeval& t) {
    return static_cast<double>(t.tv_sec) + 1e-6 * static_cast<double>(t.tv_usec);
  };
  return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

// Runs a shell command; returns its CPU seconds, or a negative number when it failed.
double command_cpu_s(const std::string& command) {
  const double before = children_cpu_s();
  if (std::system(command.c_str()) != 0) return -1.0;
  return children_cpu_s() - before;
}

// The CPU seconds of its children that a shell's `times` wrote to `path` (its second
// line, "<user>m<s>s <sys>m<s>s"), or a negative number when there are none.
double children_cpu_written(const std::filesystem::path& path) {
  std::ifstream in(path);
  std::string shell_line;
  double total = 0.0;
  int fields = 0;
  std::getline(in, shell_line);
  for (std::string field; in >> field && fields < 2; ++fields) {
    double minutes = 0.0, seconds = 0.0;
    if (std::sscanf(field.c_str(), "%lfm%lfs", &minutes, &seconds) != 2) return -1.0;
    total += 60.0 * minutes + seconds;
  }
  return fields == 2 ? total : -1.0;
}

// The whole catalogue over 2020 on 2 MPI ranks of one thread each, the program itself
// under mpirun, against the program with --jobs 2, in CPU: each rank's own, written by
// the shell that starts it, and mpirun's own, the rest of its total. Also the
// object-steps per second of the ranks' summary line.
void BM_SurveyCatalogueTwoRanks(benchmark::State& bench) {
  if (!std::filesystem::exists(kCatalogue) || std::system("command -v mpirun >/dev/null") != 0) {
    bench.SkipWithError("shared catalogue or mpirun not found");
    return;
  }
  const std::filesystem::path folder = std::filesystem::temp_directory_path() / "skytrak3d-bench-ranks";
  std::filesystem::create_directories(folder);
  const std::filesystem::path summary = folder / "summary.txt";
  const std::string survey = std::string(SKYTRAK_BIN_DIR) + "/skytrak3d survey --catalogue " + kCatalogue +
                             " --from 2458849.5 --to 2459215.5 --planet all --distance 0.2";
  const std::string ranks_command = "mpirun --allow-run-as-root --oversubscribe -np 2 sh -c '" + survey +
                                    " --jobs 1; status=$?; times >" + folder.string() +
                                    "/times.$OMPI_COMM_WORLD_RANK; exit $status' >/dev/null 2>" + summary.string();
  double ranks_cpu = 0.0, launcher_cpu = 0.0, jobs2_cpu = 0.0;
  for (auto _ : bench) {
    const double launch = command_cpu_s(ranks_command);
    const double rank0 = children_cpu_written(folder / "times.0");
    const double rank1 = children_cpu_written(folder / "times.1");
    const double jobs2 = command_cpu_s(survey + " --quiet --jobs 2 >/dev/null");
    if (launch < 0.0 || rank0 < 0.0 || rank1 < 0.0 || jobs2 < 0.0) {
      bench.SkipWithError("a survey or mpirun failed");
      std::filesystem::remove_all(folder);
      return;
    }
    ranks_cpu += rank0 + rank1;
    launcher_cpu += launch - rank0 - rank1;
    jobs2_cpu += jobs2;
  }
  const auto runs = static_cast<double>(bench.iterations());
  bench.counters["ranks_cpu_s"] = ranks_cpu / runs;
  bench.counters["launcher_cpu_s"] = launcher_cpu / runs;
  bench.counters["jobs2_cpu_s"] = jobs2_cpu / runs;
  bench.counters["ranks_cpu_over_jobs2"] = ranks_cpu / jobs2_cpu;
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
  std::filesystem::remove_all(folder);
}
BENCHMARK(BM_SurveyCatalogueTwoRanks)->Iterations(5)->Unit(benchmark::kSecond)->UseRealTime();

// The year 2020, Earth, 0.05 AU.
survey::SurveySettings year_2020() {
  survey::SurveySettings settings = first_half_of_2020();
  settings.to_jd = 2459215.5;
  settings.distance_au = 0.05;
  return settings;
}

// Process CPU (every thread) per object-step, from std::clock around the timed loop.
void report_cpu(benchmark::State& bench, std::clock_t start, long object_steps) {
  const double cpu = static_cast<double>(std::clock() - start) / CLOCKS_PER_SEC;
  bench.counters["cpu_s_per_object_step"] = cpu / static_cast<double>(object_steps);
  report(bench, object_steps);
}

// The fastest wall time of BM_SurveyCatalogueYear/1, for /2 to report its speed-up (0:
// not run).
double one_thread_year_wall_s = 0.0;

// The whole catalogue over 2020 on 1 and 2 threads: wall and CPU; the run on 2 threads
// also gives its speed-up in wall time over the one on 1 thread, run just before, each
// the fastest of its runs, which a busy moment of the machine cannot slow.
void BM_SurveyCatalogueYear(benchmark::State& bench) {
  if (!std::filesystem::exists(kCatalogue)) {
    bench.SkipWithError("shared catalogue not found");
    return;
  }
  const survey::SurveyCatalogue catalogue = read(kCatalogue);
  const std::vector<size_t> all = survey::all_indices(catalogue.objects.size());
  const int jobs = static_cast<int>(bench.range(0));
  long steps = 0;
  double fastest = 0.0;
  const std::clock_t start = std::clock();
  for (auto _ : bench) {
    const auto wall_start = std::chrono::steady_clock::now();
    steps += survey_objects(catalogue.objects, all, year_2020(), jobs, nullptr).object_steps;
    const double wall = std::chrono::duration<double>(std::chrono::steady_clock::now() - wall_start).count();
    if (fastest == 0.0 || wall < fastest) fastest = wall;
  }
  report_cpu(bench, start, steps);
  if (jobs == 1) one_thread_year_wall_s = fastest;
  if (jobs == 2 && one_thread_year_wall_s > 0.0) {
    bench.counters["speedup_over_1_thread"] = one_thread_year_wall_s / fastest;
  }
}
BENCHMARK(BM_SurveyCatalogueYear)->Arg(1)->Arg(2)->Iterations(5)->Unit(benchmark::kSecond)->UseRealTime();

// The same on one thread with every group stepping the planets itself (no planet table).
void BM_SurveyCatalogueYearPlanetsInEveryGroup(benchmark::State& bench) {
  if (!std::filesystem::exists(kCatalogue)) {
    bench.SkipWithError("shared catalogue not found");
    return;
  }
  const survey::SurveyCatalogue catalogue = read(kCatalogue);
  const survey::SurveySettings settings = year_2020();
  survey::EpochPlanets planets;
  survey::carry_planets(planets, catalogue.objects.front().epoch_jd, sky::sky_model(settings.sky));
  long steps = 0;
  const std::clock_t start = std::clock();
  for (auto _ : bench) {
    for (size_t first = 0; first < catalogue.objects.size(); first += survey::kGroupSize) {
      std::vector<const survey::SurveyObject*> group;
      for (size_t n = first; n < catalogue.objects.size() && n < first + survey::kGroupSize; ++n) {
        group.push_back(&catalogue.objects[n]);
      }
      for (const survey::ObjectOutcome& outcome : survey::survey_group(group, planets, settings)) {
        steps += outcome.steps;
      }
    }
  }
  report_cpu(bench, start, steps);
}
BENCHMARK(BM_SurveyCatalogueYearPlanetsInEveryGroup)->Iterations(1)->Unit(benchmark::kSecond)->UseRealTime();

// A catalogue of `count` objects as a user of the whole minor-planet catalogue would
// survey, written to `path`: the 2019 records again and again, each copy turned along
// its orbit (mean anomaly, columns 27-35) and about the ecliptic pole (node, columns
// 49-57) by a few degrees more than the last.
void write_many_objects(const std::filesystem::path& path, size_t count) {
  std::ofstream out(path, std::ios::binary);
  auto turn = [](std::string& line, size_t first, double degrees) {
    char field[16];
    std::snprintf(field, sizeof field, "%9.5f", std::fmod(std::stod(line.substr(first, 9)) + degrees, 360.0));
    line.replace(first, 9, field);
  };
  size_t written = 0;
  for (double copy = 0.0; written < count; copy += 1.0) {  // the catalogue read again for each copy
    std::ifstream in(kCatalogue);
    for (std::string line; written < count && std::getline(in, line); ++written) {
      turn(line, 26, 7.3 * copy);
      turn(line, 48, 1.1 * copy);
      out << line << '\n';
    }
  }
}

double max_resident_mb() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return static_cast<double>(usage.ru_maxrss) / 1024.0;
}

// A catalogue of 200,000 or 1,000,000 objects over 2020 on 2 threads, streamed from its
// file as the program reads it: wall, CPU per object-step, the most memory the process
// held (run this benchmark alone: the peak is the process's since its start) and what the
// survey added to the peak before it (the process's start, and writing the file).
void BM_SurveyMillionObjects(benchmark::State& bench) {
  if (!std::filesystem::exists(kCatalogue)) {
    bench.SkipWithError("shared catalogue not found");
    return;
  }
  const std::filesystem::path path =
      std::filesystem::temp_directory_path() / ("skytrak3d-bench-objects-" + std::to_string(getpid()) + ".txt");
  write_many_objects(path, static_cast<size_t>(bench.range(0)));
  const double resident_before = max_resident_mb();
  const survey::LineShare every_line = [](long) { return true; };
  long steps = 0, objects = 0;
  const std::clock_t start = std::clock();
  for (auto _ : bench) {
    std::ostringstream warnings;
    const survey::CatalogueCensus census = survey::take_census(path, {}, warnings, every_line);
    survey::SurveyObjectStream stream(path, census, every_line);
    const survey::SurveyResult result = survey::survey_stream(
        [&stream](std::vector<survey::SurveyObject>& chunk, size_t most) { stream.read(chunk, most); },
        census.objects_of_epoch, year_2020(), 2, nullptr);
    steps += result.object_steps;
    objects += result.objects;
  }
  report_cpu(bench, start, steps);
  std::filesystem::remove(path);
  bench.counters["objects"] = static_cast<double>(objects);
  bench.counters["max_resident_mb"] = max_resident_mb();
  bench.counters["resident_growth_mb"] = max_resident_mb() - resident_before;
}
BENCHMARK(BM_SurveyMillionObjects)->Arg(200000)->Arg(1000000)->Iterations(1)->Unit(benchmark::kSecond)->UseRealTime();

// The single run's step: each object of the sample catalogue alone with the nine
// planets for a year, CPU per step (the set-up, carrying the planets to the epoch, is
// done before the clock starts).
void BM_SingleRunStep(benchmark::State& bench) {
  const survey::SurveyCatalogue catalogue = read(std::string(SKYTRAK_SOURCE_DIR) + "/data/nea.dat");
  std::vector<survey::EpochPlanets> set_up(catalogue.objects.size());
  for (size_t n = 0; n < set_up.size(); ++n) {
    const survey::SurveyObject& object = catalogue.objects[n];
    survey::carry_planets(set_up[n], object.epoch_jd, sky::sky_model(sky::Sky::table));
    survey::add_object(set_up[n].blocks, set_up[n].bodies, object, sky::sky_model(sky::Sky::table));
  }
  auto encounters = std::make_unique<dynamics::Encounters>();
  long steps = 0;
  const std::clock_t start = std::clock();
  for (auto _ : bench) {
    for (const survey::EpochPlanets& first : set_up) {
      survey::EpochPlanets run = first;
      dynamics::start_run(*encounters);
      double T = 0.0;
      for (int n = 0; n < 200 && run.blocks.counts.total > run.blocks.counts.planets; ++n, ++steps) {
        dynamics::take_step(run.blocks, run.bodies, *encounters, T, survey::kSurveyClass.step);
      }
    }
  }
  report_cpu(bench, start, steps);
}
BENCHMARK(BM_SingleRunStep)->Unit(benchmark::kMillisecond);

}  // namespace
