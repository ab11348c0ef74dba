// Speed of one frame of the program's 3D picture with a path of 40,003 points
// (the most a run writes): box, titles, labelled axes, path, Sun and planet.
// An animated plot draws one such frame per point, so this is the time per
// frame of the last and heaviest frames.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <memory>
#include <string>

#include <unistd.h>

#include "../tests/app/program_picture.h"
#include "../tests/plot/draw3d/ring_scene.h"
#include "devices/ps_device.h"
#include "devices/recording_device.h"
#include "plot/core/device_factory.h"
#include "plot/core/global_state.h"

namespace {

using namespace plotix;

constexpr int kPathPoints = 40003;

// A plot opened onto the recording device with the program's settings, its log kept
// here; closed again at the end of the benchmark.
class RecordedPlot {
 public:
  explicit RecordedPlot(const test::ProgramPicture& picture) : log(std::make_shared<devices::DeviceLog>()) {
    auto kept = log;
    set_device_maker([kept](int) { return std::make_unique<devices::RecordingDevice>(kept); });
    metafl("CONS");
    disini();
    qqgglb()->core.iprotocol = false;  // keep the report free of protocols
    picture.settings();
  }
  ~RecordedPlot() {
    disfin();
    set_device_maker({});
    free_global_state();
  }
  RecordedPlot(const RecordedPlot&) = delete;
  RecordedPlot& operator=(const RecordedPlot&) = delete;

  std::shared_ptr<devices::DeviceLog> log;
};

// Frames drawn into the recording device inside one open plot, as an
// animation draws them; the log is emptied before each frame.
void BM_FrameIntoRecordingDevice(benchmark::State& state) {
  const test::ProgramPicture picture(kPathPoints);
  const RecordedPlot plot(picture);
  const auto& log = plot.log;
  for (auto _ : state) {
    log->calls.clear();
    picture.frame(kPathPoints);
    benchmark::DoNotOptimize(log->calls.data());
  }
  state.counters["device_calls"] = static_cast<double>(log->calls.size());
}
BENCHMARK(BM_FrameIntoRecordingDevice)->Unit(benchmark::kMillisecond);

// One frame of an animation over the last, into the recording device: the axis system
// set up again and the path's newest segment. Argument 0 draws the axes again and the
// Sun and planet over the segment (every frame before the backdrop), 1 leaves them as
// the first frame drew them (the backdrop).
void BM_NextAnimationFrame(benchmark::State& state) {
  const test::ProgramPicture picture(kPathPoints);
  const RecordedPlot plot(picture);
  const auto& log = plot.log;
  picture.frame(1);
  int k = 1;
  for (auto _ : state) {
    log->calls.clear();
    k = k % (kPathPoints - 1) + 2;
    picture.next_frame(k, state.range(0) == 1);
    benchmark::DoNotOptimize(log->calls.data());
  }
}
BENCHMARK(BM_NextAnimationFrame)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

// A whole PostScript save of one frame: open, settings, frame, close.
void BM_SaveAsPostScript(benchmark::State& state) {
  const test::ProgramPicture picture(kPathPoints);
  set_device_maker([](int) { return std::make_unique<devices::PsDevice>(); });
  const std::string file = "/tmp/skytrak_bench_picture3d_" + std::to_string(getpid()) + ".ps";
  for (auto _ : state) {
    std::remove(file.c_str());
    setfil(file);
    metafl("PS");
    disini();
    qqgglb()->core.iprotocol = false;  // keep the report free of protocols
    picture.settings();
    picture.frame(kPathPoints);
    disfin();
  }
  std::remove(file.c_str());
  set_device_maker({});
  free_global_state();
}
BENCHMARK(BM_SaveAsPostScript)->Unit(benchmark::kMillisecond);

// A whole BMP save of the viewpoint-ring scene from each of its 17 views (the
// argument is the view's number: 0-11 around, 12-13 above, 14-15 below, 16 inside
// the box). No single view may take more than 50 ms.
void BM_SaveRingViewAsBmp(benchmark::State& state) {
  const test::RingPath path;
  const test::RingView view = test::ring_views()[static_cast<std::size_t>(state.range(0))];
  const std::string file = "/tmp/skytrak_bench_ring_" + std::to_string(getpid()) + ".bmp";
  for (auto _ : state) {
    std::remove(file.c_str());
    free_global_state();
    test::save_ring_view(view, path, file, false);
  }
  std::remove(file.c_str());
  free_global_state();
}
BENCHMARK(BM_SaveRingViewAsBmp)->DenseRange(0, 16)->Unit(benchmark::kMillisecond);

}  // namespace
