// Speed of the WMF writer: saving a path of 40,003 points (one record per segment)
// with a few colour changes and filled triangles; reports the time and file size.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cmath>
#include <filesystem>

#include "devices/wmf_device.h"

namespace {

constexpr int kPathPoints = 40003;

void BM_WmfSave40003(benchmark::State& state) {
  const auto file = std::filesystem::temp_directory_path() /
                    ("skytrak_bench_" + std::to_string(::getpid()) + ".wmf");
  devices::DeviceOpenParams params;
  params.idev = 221;
  params.file_name = file.string();
  params.xdevfac = 5.6692915;
  std::vector<double> xs(kPathPoints), ys(kPathPoints);
  for (int i = 0; i < kPathPoints; ++i) {
    const double t = i * 0.01;
    xs[i] = std::round(8416 + (1000 + i * 0.1) * std::cos(t));
    ys[i] = std::round(5950 + (800 + i * 0.1) * std::sin(t));
  }
  for (auto _ : state) {
    std::filesystem::remove(file);  // otherwise the writer picks a version name
    devices::WmfDevice wmf;
    wmf.open(params);
    wmf.set_colour_rgb(0, 0, 0);
    for (int k = 0; k < 200; ++k) {  // a sphere's worth of small filled triangles
      wmf.begin_polygon(3);
      wmf.polygon_point(1000 + k * 10, 1000);
      wmf.polygon_point(1100 + k * 10, 1000);
      wmf.polygon_point(1050 + k * 10, 1100);
      wmf.end_polygon();
    }
    wmf.set_colour_rgb(255, 0, 0);
    wmf.move_draw(xs[0], ys[0], devices::kMove);
    for (int i = 1; i < kPathPoints; ++i) wmf.move_draw(xs[i], ys[i], devices::kDraw);
    if (wmf.close() != 0) state.SkipWithError("write failed");
  }
  state.SetItemsProcessed(state.iterations() * kPathPoints);
  state.counters["file_bytes"] = static_cast<double>(std::filesystem::file_size(file));
  std::filesystem::remove(file);
}
BENCHMARK(BM_WmfSave40003)->Unit(benchmark::kMillisecond);

}  // namespace
