// Speed of the PostScript writer: the longest path a run produces (40,003 points) as
// one polyline, written to a file; reports points per second and the file size.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cmath>
#include <filesystem>

#include "devices/ps_device.h"

namespace {

constexpr int kPathPoints = 40003;

void BM_PsPolyline40003(benchmark::State& state) {
  const auto file = std::filesystem::temp_directory_path() /
                    ("skytrak_bench_" + std::to_string(::getpid()) + ".ps");
  devices::DeviceOpenParams params;
  params.idev = 504;
  params.file_name = file.string();
  params.xdevfac = 3900.0 / 2099.0;
  params.background_mode = 2;
  params.date = "06.12.2026";
  params.time = "12:34:56";
  // A slowly widening loop over the turned page (device units 0..3900 x 0..5516).
  std::vector<double> xs(kPathPoints), ys(kPathPoints);
  for (int i = 0; i < kPathPoints; ++i) {
    const double t = i * 0.01;
    xs[i] = 1950 + (300 + i * 0.03) * std::cos(t);
    ys[i] = 2758 + (300 + i * 0.05) * std::sin(t);
  }
  for (auto _ : state) {
    devices::PsDevice ps;
    ps.open(params);
    ps.move_draw(xs[0], ys[0], devices::kMove);
    for (int i = 1; i < kPathPoints; ++i) ps.move_draw(xs[i], ys[i], devices::kDraw);
    if (ps.close() != 0) state.SkipWithError("write failed");
  }
  state.SetItemsProcessed(state.iterations() * kPathPoints);
  state.counters["file_bytes"] = static_cast<double>(std::filesystem::file_size(file));
  std::filesystem::remove(file);
}
BENCHMARK(BM_PsPolyline40003)->Unit(benchmark::kMillisecond);

}  // namespace
