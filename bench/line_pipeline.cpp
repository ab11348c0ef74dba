// Speed of the line pipeline: the longest path a run produces (40,003 points) as
// one polyline through buffering, clipping and dispatch, into the recording
// device and into a real PostScript file; and 1,000 short dashed lines. Reports
// points per second and the heap allocations per point (0 expected: the pipeline
// works in fixed buffers).
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <atomic>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <new>
#include <vector>

#include "devices/recording_device.h"
#include "plot/core/device_factory.h"
#include "plot/core/global_state.h"
#include "plot/lines/polyline.h"
#include "plot/plotix.h"

// Every heap allocation of the program is counted. (g++ cannot see that these
// replacements pair malloc with free and would warn about the inlined pair.)
#if defined(__GNUC__) && !defined(__clang__)
#pragma GCC diagnostic ignored "-Wmismatched-new-delete"
#endif
namespace {
std::atomic<long> g_allocations{0};
}  // namespace

void* operator new(std::size_t size) {
  g_allocations.fetch_add(1, std::memory_order_relaxed);
  if (void* p = std::malloc(size == 0 ? 1 : size)) return p;
  throw std::bad_alloc();
}
void operator delete(void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }

namespace {

constexpr int kPathPoints = 40003;

// A slowly widening loop on the page that leaves it at the right and comes back,
// so the clipping works too.
void make_path(std::vector<float>& xs, std::vector<float>& ys) {
  xs.resize(kPathPoints);
  ys.resize(kPathPoints);
  for (int i = 0; i < kPathPoints; ++i) {
    const float t = static_cast<float>(i) * 0.01f;
    const float r = 200.0f + static_cast<float>(i) * 0.03f;
    xs[i] = 1800.0f + r * std::cos(t);
    ys[i] = 1050.0f + 0.6f * r * std::sin(t);
  }
}

void draw_path(plotix::PlotState& st, const std::vector<float>& xs, const std::vector<float>& ys) {
  plotix::strtqq(st, xs[0], ys[0]);
  for (int i = 1; i < kPathPoints; ++i) plotix::connqq(st, xs[i], ys[i]);
  plotix::qqstrk(st);
}

// A plot opened on the recording device with room for every call it will log.
struct RecordingPlot {
  std::shared_ptr<devices::DeviceLog> log = std::make_shared<devices::DeviceLog>();
  plotix::PlotState* st = nullptr;

  RecordingPlot() {
    plotix::free_global_state();
    auto shared = log;
    plotix::set_device_maker(
        [shared](int) { return std::make_unique<devices::RecordingDevice>(shared); });
    plotix::metafl("CONS");
    plotix::disini();
    st = plotix::qqgglb();
    st->core.imsgmode = 0;  // no protocol in the benchmark output
    log->calls.reserve(4 * kPathPoints);
  }
  ~RecordingPlot() {
    plotix::disfin();
    plotix::set_device_maker({});
    plotix::free_global_state();
  }
};

void BM_PolylineIntoRecordingDevice(benchmark::State& state) {
  std::vector<float> xs, ys;
  make_path(xs, ys);
  RecordingPlot plot;
  long allocations = 0;
  for (auto _ : state) {
    plot.log->calls.clear();
    const long before = g_allocations.load();
    draw_path(*plot.st, xs, ys);
    allocations += g_allocations.load() - before;
    benchmark::DoNotOptimize(plot.log->calls.data());
  }
  state.SetItemsProcessed(state.iterations() * kPathPoints);
  state.counters["device_calls"] = static_cast<double>(plot.log->calls.size());
  state.counters["allocs_per_point"] =
      static_cast<double>(allocations) / static_cast<double>(state.iterations() * kPathPoints);
}
BENCHMARK(BM_PolylineIntoRecordingDevice)->Unit(benchmark::kMillisecond);

void BM_DashedShortLines(benchmark::State& state) {
  RecordingPlot plot;
  plotix::dash();
  long allocations = 0;
  for (auto _ : state) {
    plot.log->calls.clear();
    const long before = g_allocations.load();
    for (int i = 0; i < 1000; ++i) {
      const float x = static_cast<float>(100 + (i % 40) * 70);
      const float y = static_cast<float>(100 + (i / 40) * 75);
      plotix::strtqq(*plot.st, x, y);
      plotix::connqq(*plot.st, x + 45.0f, y + 35.0f);
    }
    plotix::qqstrk(*plot.st);
    allocations += g_allocations.load() - before;
  }
  state.SetItemsProcessed(state.iterations() * 1000);
  state.counters["device_calls"] = static_cast<double>(plot.log->calls.size());
  state.counters["allocs_per_line"] =
      static_cast<double>(allocations) / static_cast<double>(state.iterations() * 1000);
}
BENCHMARK(BM_DashedShortLines)->Unit(benchmark::kMicrosecond);

// The whole way into a PostScript file: disini, the path, disfin.
void BM_PolylineIntoPostScriptFile(benchmark::State& state) {
  std::vector<float> xs, ys;
  make_path(xs, ys);
  const auto file = std::filesystem::temp_directory_path() /
                    ("skytrak_pipeline_" + std::to_string(::getpid()) + ".ps");
  plotix::free_global_state();
  long allocations = 0;
  for (auto _ : state) {
    std::filesystem::remove(file);
    plotix::setfil(file.string());
    plotix::metafl("PS");
    plotix::disini();
    plotix::PlotState& st = *plotix::qqgglb();
    st.core.imsgmode = 0;
    const long before = g_allocations.load();
    draw_path(st, xs, ys);
    allocations += g_allocations.load() - before;
    plotix::disfin();
  }
  state.SetItemsProcessed(state.iterations() * kPathPoints);
  state.counters["file_bytes"] = static_cast<double>(std::filesystem::file_size(file));
  state.counters["allocs_per_point"] =
      static_cast<double>(allocations) / static_cast<double>(state.iterations() * kPathPoints);
  std::filesystem::remove(file);
  plotix::free_global_state();
}
BENCHMARK(BM_PolylineIntoPostScriptFile)->Unit(benchmark::kMillisecond);

}  // namespace
