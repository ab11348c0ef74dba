// Speed of the WMF writer: saving a path of 40,003 points (one record per segment)
// with a sphere's worth of filled triangles, into the writer directly and through
// the whole library pipeline; reports the time, points per second and file size.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cmath>
#include <filesystem>

#include "devices/wmf_device.h"
#include "plot/lines/fills.h"
#include "plot/core/global_state.h"
#include "plot/lines/polyline.h"
#include "plot/plotix.h"

namespace {

constexpr int kPathPoints = 40003;
constexpr int kTriangles = 200;
constexpr double kUnitsPerPlotUnit = 5.6692915;  // 1440/254

std::filesystem::path bench_file() {
  return std::filesystem::temp_directory_path() /
         ("skytrak_bench_" + std::to_string(::getpid()) + ".wmf");
}

// An ellipse slowly opening up around the middle of the page, in plot units.
struct PagePath {
  std::vector<float> xs, ys;
  PagePath() : xs(kPathPoints), ys(kPathPoints) {
    for (int i = 0; i < kPathPoints; ++i) {
      const double t = i * 0.01;
      xs[i] = static_cast<float>(1484 + (200 + i * 0.02) * std::cos(t));
      ys[i] = static_cast<float>(1050 + (150 + i * 0.015) * std::sin(t));
    }
  }
};

int device_unit(float v) { return static_cast<int>(v * kUnitsPerPlotUnit + 0.5); }

void BM_WmfWriterSave40003(benchmark::State& state) {
  const auto file = bench_file();
  devices::DeviceOpenParams params;
  params.idev = 221;
  params.file_name = file.string();
  params.xdevfac = kUnitsPerPlotUnit;
  const PagePath path;
  for (auto _ : state) {
    std::filesystem::remove(file);  // otherwise the writer picks a version name
    devices::WmfDevice wmf;
    wmf.open(params);
    wmf.set_colour_rgb(0, 0, 0);
    for (int k = 0; k < kTriangles; ++k) {
      wmf.begin_polygon(3);
      wmf.polygon_point(1000 + k * 10, 1000);
      wmf.polygon_point(1100 + k * 10, 1000);
      wmf.polygon_point(1050 + k * 10, 1100);
      wmf.end_polygon();
    }
    wmf.set_colour_rgb(255, 0, 0);
    wmf.move_draw(device_unit(path.xs[0]), device_unit(path.ys[0]), devices::kMove);
    for (int i = 1; i < kPathPoints; ++i)
      wmf.move_draw(device_unit(path.xs[i]), device_unit(path.ys[i]), devices::kDraw);
    if (wmf.close() != 0) state.SkipWithError("write failed");
  }
  state.SetItemsProcessed(state.iterations() * kPathPoints);
  state.counters["file_bytes"] = static_cast<double>(std::filesystem::file_size(file));
  std::filesystem::remove(file);
}
BENCHMARK(BM_WmfWriterSave40003)->Unit(benchmark::kMillisecond);

void BM_WmfPipelineSave40003(benchmark::State& state) {
  const auto file = bench_file();
  const PagePath path;
  for (auto _ : state) {
    std::filesystem::remove(file);
    plotix::setfil(file.string());
    plotix::metafl("WMF");
    plotix::disini();
    plotix::PlotState& st = *plotix::qqgglb();
    st.core.iprotocol = false;
    for (int k = 0; k < kTriangles; ++k) {
      const float xs[3] = {200.0f + k * 2, 220.0f + k * 2, 210.0f + k * 2};
      const float ys[3] = {200.0f, 200.0f, 220.0f};
      plotix::qqftri(st, xs, ys, 0x010000FF);
    }
    plotix::color("RED");
    plotix::strtqq(st, path.xs[0], path.ys[0]);
    for (int i = 1; i < kPathPoints; ++i) plotix::connqq(st, path.xs[i], path.ys[i]);
    plotix::disfin();
  }
  state.SetItemsProcessed(state.iterations() * kPathPoints);
  state.counters["file_bytes"] = static_cast<double>(std::filesystem::file_size(file));
  std::filesystem::remove(file);
  plotix::free_global_state();
}
BENCHMARK(BM_WmfPipelineSave40003)->Unit(benchmark::kMillisecond);

}  // namespace
