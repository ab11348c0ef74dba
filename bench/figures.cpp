// Speed of saving each 2D figure (the co-orbital angle and path, the survey's approaches)
// in each format, and, in the same run, matplotlib's savefig of the same data through
// tools/matplotlib/figures.py when a Python with matplotlib is there (SKYTRAK_PYTHON,
// default python3): its mean savefig time is reported as the iteration time of
// BM_MatplotlibSavefig.
#include <benchmark/benchmark.h>

#include <unistd.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>

#include "app/angle_picture.h"
#include "app/path_picture.h"
#include "app/survey_picture.h"
#include "plot/core/global_state.h"

namespace {

namespace fs = std::filesystem;

const app::PlotOutput kOutputs[] = {app::PlotOutput::png, app::PlotOutput::svg, app::PlotOutput::pdf,
                                    app::PlotOutput::ps};

// A horseshoe's angle over 600 years sampled every 0.1 year, and its clone.
app::AnglePicture angle_data() {
  app::AnglePicture p;
  p.title = "2002 AA29";
  p.subtitle = "Resonant angle with Earth: horseshoe at the epoch";
  for (int i = 0; i <= 6000; ++i) {
    const float year = 1719.5f + 0.1f * static_cast<float>(i);
    p.years.push_back(year);
    p.phi.push_back(180.0f + 176.0f * std::sin(year / 30.0f));
    p.clone_years.push_back(year);
    p.clone_phi.push_back(180.0f + 175.0f * std::sin(year / 30.2f));
  }
  p.episodes = {{1719.5f, 2319.5f, "horseshoe", "HS", app::EpisodeTint::horseshoe}};
  p.epoch_year = 2019.5f;
  return p;
}

// A quasi-satellite's loop over 300 years, a point every step of 0.005 year.
app::PathPicture path_data() {
  app::PathPicture p;
  p.title = "(469219) Kamo`oalewa";
  p.subtitle = "Path in the frame turning with Earth";
  p.planet = "Earth";
  for (int i = 0; i <= 60000; ++i) {
    const float t = 0.005f * static_cast<float>(i);
    p.years.push_back(1964.0f + t);
    p.x.push_back(0.1f * std::cos(6.2831853f * t) - 0.02f * std::sin(t / 40.0f));
    p.y.push_back(0.25f * std::sin(6.2831853f * t) + 0.04f * std::sin(t / 30.0f));
  }
  return p;
}

// A year of 250 approaches to the Earth and the Moon, as the 2020 survey of the whole catalogue.
app::SurveyPicture survey_data() {
  app::SurveyPicture p;
  p.from_jd = 2458849.5;
  p.to_jd = 2459215.5;
  p.catalogue = "NEA-2019-07-02.txt";
  std::mt19937 random(2020);
  for (int i = 0; i < 250; ++i) {
    p.approaches.push_back({p.from_jd + 366.0 * std::uniform_real_distribution<double>(0, 1)(random),
                            std::pow(10.0, std::uniform_real_distribution<double>(-2.7, -1.3)(random)), i % 2 ? 3 : 10,
                            "2019 A" + std::to_string(i)});
  }
  return p;
}

fs::path scratch() {
  const fs::path folder = fs::temp_directory_path() / ("skytrak_bench_figures_" + std::to_string(getpid()));
  fs::create_directories(folder);
  return folder;
}

template <typename Picture, typename Draw>
void save_each(benchmark::State& state, const Picture& picture, Draw draw) {
  const app::PlotOutput output = kOutputs[state.range(0)];
  const fs::path folder = scratch(), home = fs::current_path();
  fs::current_path(folder);
  const std::string file = "figure." + std::string(output == app::PlotOutput::png   ? "png"
                                                   : output == app::PlotOutput::svg ? "svg"
                                                   : output == app::PlotOutput::pdf ? "pdf"
                                                                                    : "ps");
  for (auto _ : state) {
    fs::remove(file);
    if (!draw(picture, output, file)) state.SkipWithError("not written");
  }
  state.counters["file_bytes"] = static_cast<double>(fs::file_size(file));
  fs::current_path(home);
  fs::remove_all(folder);
  plotix::free_global_state();
}

void BM_SaveAngle(benchmark::State& state) { save_each(state, angle_data(), app::draw_angle_picture); }
void BM_SavePath(benchmark::State& state) { save_each(state, path_data(), app::draw_path_picture); }
void BM_SaveSurvey(benchmark::State& state) { save_each(state, survey_data(), app::draw_survey_picture); }
BENCHMARK(BM_SaveAngle)->DenseRange(0, 3)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SavePath)->DenseRange(0, 3)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SaveSurvey)->DenseRange(0, 3)->Unit(benchmark::kMillisecond);

// The data of the three figures as the script reads them.
void write_data(const fs::path& folder) {
  std::ofstream angle(folder / "angle.csv");
  const app::AnglePicture a = angle_data();
  for (std::size_t i = 0; i < a.years.size(); ++i) angle << a.years[i] << ',' << a.phi[i] << ',' << a.clone_phi[i] << '\n';
  std::ofstream path(folder / "path.csv");
  const app::PathPicture p = path_data();
  for (std::size_t i = 0; i < p.years.size(); ++i) path << p.years[i] << ',' << p.x[i] << ',' << p.y[i] << '\n';
  std::ofstream survey(folder / "survey.csv");
  survey << "designation,packed,planet,jd_tdb,calendar_tdb,dist_au,v_rel_kms,event\n";
  for (const app::SurveyApproach& s : survey_data().approaches) {
    survey << s.name << ",x," << (s.body == 10 ? "Moon" : "Earth") << ',' << s.jd << ",," << s.distance_au << ",0,approach\n";
  }
}

// matplotlib's savefig of the same figure as a PNG, the script's mean over 5 saves.
void BM_MatplotlibSavefig(benchmark::State& state) {
  static const char* kKinds[] = {"angle", "path", "survey"};
  const char* kind = kKinds[state.range(0)];
  const char* python = std::getenv("SKYTRAK_PYTHON");
  const fs::path folder = scratch();
  write_data(folder);
  const std::string command = std::string(python ? python : "python3") + " " + SKYTRAK_SOURCE_DIR +
                              "/tools/matplotlib/figures.py " + kind + " " + (folder / (std::string(kind) + ".csv")).string() +
                              " " + (folder / "out.png").string() + " --repeat 5 2>/dev/null";
  double seconds = -1.0;
  if (FILE* pipe = popen(command.c_str(), "r")) {
    if (std::fscanf(pipe, "savefig_seconds %lf", &seconds) != 1) seconds = -1.0;
    pclose(pipe);
  }
  fs::remove_all(folder);
  if (seconds < 0.0) {
    state.SkipWithError("no Python with matplotlib (set SKYTRAK_PYTHON)");
    return;
  }
  for (auto _ : state) state.SetIterationTime(seconds);
}
BENCHMARK(BM_MatplotlibSavefig)->DenseRange(0, 2)->UseManualTime()->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace
