// Speed of the PostScript writer: the longest path a run produces (40,003 points) as
// one polyline, into the writer directly and through the whole library pipeline
// (disini, pending polyline, clipping, dispatch, disfin), and 1,000 short dashed
// lines through the pipeline; reports points per second and the file size.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cmath>
#include <filesystem>

#include "devices/ps_device.h"
#include "plot/core/global_state.h"
#include "plot/lines/polyline.h"
#include "plot/plotix.h"

namespace {

constexpr int kPathPoints = 40003;

std::filesystem::path bench_file() {
  return std::filesystem::temp_directory_path() /
         ("skytrak_bench_" + std::to_string(::getpid()) + ".ps");
}

// A slowly widening loop around the middle of the page, in plot units.
void page_path(std::vector<float>& xs, std::vector<float>& ys) {
  xs.resize(kPathPoints);
  ys.resize(kPathPoints);
  for (int i = 0; i < kPathPoints; ++i) {
    const double t = i * 0.01;
    xs[i] = static_cast<float>(1484 + (150 + i * 0.02) * std::cos(t));
    ys[i] = static_cast<float>(1050 + (150 + i * 0.015) * std::sin(t));
  }
}

void BM_PsWriterPolyline40003(benchmark::State& state) {
  const auto file = bench_file();
  devices::DeviceOpenParams params;
  params.idev = 504;
  params.file_name = file.string();
  params.xdevfac = 3900.0 / 2099.0;
  params.background_mode = devices::Background::light;
  params.date = "06.12.2026";
  params.time = "12:34:56";
  std::vector<float> xs, ys;
  page_path(xs, ys);
  const double s = params.xdevfac;
  for (auto _ : state) {
    devices::PsDevice ps;
    ps.open(params);
    ps.move_draw(ys[0] * s, xs[0] * s, devices::kMove);  // the turned page
    for (int i = 1; i < kPathPoints; ++i) ps.move_draw(ys[i] * s, xs[i] * s, devices::kDraw);
    if (ps.close() != 0) state.SkipWithError("write failed");
  }
  state.SetItemsProcessed(state.iterations() * kPathPoints);
  state.counters["file_bytes"] = static_cast<double>(std::filesystem::file_size(file));
  std::filesystem::remove(file);
}
BENCHMARK(BM_PsWriterPolyline40003)->Unit(benchmark::kMillisecond);

// Opens a PostScript plot into the bench file with the protocol switched off.
plotix::PlotState& open_ps_plot(const std::filesystem::path& file) {
  std::filesystem::remove(file);  // otherwise every round gets a version name
  plotix::setfil(file.string());
  plotix::metafl("PS");
  plotix::disini();
  plotix::PlotState& st = *plotix::qqgglb();
  st.core.iprotocol = false;
  return st;
}

void BM_PsPipelinePolyline40003(benchmark::State& state) {
  const auto file = bench_file();
  std::vector<float> xs, ys;
  page_path(xs, ys);
  for (auto _ : state) {
    plotix::PlotState& st = open_ps_plot(file);
    plotix::strtqq(st, xs[0], ys[0]);
    for (int i = 1; i < kPathPoints; ++i) plotix::connqq(st, xs[i], ys[i]);
    plotix::disfin();
  }
  state.SetItemsProcessed(state.iterations() * kPathPoints);
  state.counters["file_bytes"] = static_cast<double>(std::filesystem::file_size(file));
  std::filesystem::remove(file);
  plotix::free_global_state();
}
BENCHMARK(BM_PsPipelinePolyline40003)->Unit(benchmark::kMillisecond);

void BM_PsPipelineDashedLines1000(benchmark::State& state) {
  const auto file = bench_file();
  for (auto _ : state) {
    plotix::PlotState& st = open_ps_plot(file);
    plotix::dash();
    for (int i = 0; i < 1000; ++i) {
      const float x = static_cast<float>(100 + (i % 40) * 70);
      const float y = static_cast<float>(100 + (i / 40) * 75);
      plotix::strtqq(st, x, y);
      plotix::connqq(st, x + 60, y + 35);
    }
    plotix::disfin();
  }
  state.SetItemsProcessed(state.iterations() * 1000);
  state.counters["file_bytes"] = static_cast<double>(std::filesystem::file_size(file));
  std::filesystem::remove(file);
  plotix::free_global_state();
}
BENCHMARK(BM_PsPipelineDashedLines1000)->Unit(benchmark::kMillisecond);

}  // namespace
