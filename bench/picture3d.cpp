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
#include "devices/ps_device.h"
#include "devices/recording_device.h"
#include "plot/core/device_factory.h"
#include "plot/core/global_state.h"

namespace {

using namespace plotix;

constexpr int kPathPoints = 40003;

// Frames drawn into the recording device inside one open plot, as an
// animation draws them; the log is emptied before each frame.
void BM_FrameIntoRecordingDevice(benchmark::State& state) {
  const test::ProgramPicture picture(kPathPoints);
  auto log = std::make_shared<devices::DeviceLog>();
  set_device_maker([log](int) { return std::make_unique<devices::RecordingDevice>(log); });
  metafl("CONS");
  disini();
  qqgglb()->core.iprotocol = false;  // keep the report free of protocols
  picture.settings();
  for (auto _ : state) {
    log->calls.clear();
    picture.frame(kPathPoints);
    benchmark::DoNotOptimize(log->calls.data());
  }
  state.counters["device_calls"] = static_cast<double>(log->calls.size());
  disfin();
  set_device_maker({});
  free_global_state();
}
BENCHMARK(BM_FrameIntoRecordingDevice)->Unit(benchmark::kMillisecond);

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

}  // namespace
