// Speed of the stroke-font text: the text of one frame of the program's picture
// (two title lines, the page header, about 30 axis numbers and three axis names)
// drawn into the recording device, and the length measurement alone.
#include <benchmark/benchmark.h>

#include <memory>

#include "devices/recording_device.h"
#include "plot/core/device_factory.h"
#include "plot/core/global_state.h"
#include "plot/plotix.h"
#include "plot/text.h"
#include "plot/text/text_draw.h"

namespace {

using namespace plotix;

PlotState& open_recording_plot(const std::shared_ptr<devices::DeviceLog>& log) {
  set_device_maker([log](int) { return std::make_unique<devices::RecordingDevice>(log); });
  metafl("PS");
  disini();
  return *qqgglb();
}

void BM_TextOfOneFrame(benchmark::State& state) {
  auto log = std::make_shared<devices::DeviceLog>();
  PlotState& st = open_recording_plot(log);
  titlin("(433) Eros                  ", 1);
  titlin("Rotating frame of the Earth ", 2);
  height(26);
  const char* numbers[] = {"-1.5", "-1.0", "-0.5", "0.0", "0.5", "1.0", "1.5", "2.0", "2.5", "3.0"};
  for (auto _ : state) {
    log->calls.clear();
    st.core.level = 3;
    paghdr("SKYTRAK3D (", ")", 1, 1);
    title();
    for (int axis = 0; axis < 3; ++axis) {
      for (int k = 0; k < 10; ++k) dtext(st, numbers[k], 600 + 150 * k, 1800 + 60 * axis, 0, 36);
      dtext(st, "X", 1200, 1900 + 60 * axis, 90, 26);
    }
    benchmark::DoNotOptimize(log->calls.data());
  }
  state.counters["device_calls"] = static_cast<double>(log->calls.size());
  set_device_maker({});
  free_global_state();
}
BENCHMARK(BM_TextOfOneFrame);

void BM_MeasureTitle(benchmark::State& state) {
  auto log = std::make_shared<devices::DeviceLog>();
  PlotState& st = open_recording_plot(log);
  for (auto _ : state) {
    benchmark::DoNotOptimize(nlmess(st, "Geocentric rotating frame, X towards the Sun"));
  }
  set_device_maker({});
  free_global_state();
}
BENCHMARK(BM_MeasureTitle);

}  // namespace
