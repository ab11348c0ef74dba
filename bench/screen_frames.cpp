// Speed of an animated screen plot: per frame the axis box is drawn again and the
// path grows by one segment, then the window is brought up to date (the library's
// endgrf). Run it under an X server (e.g. xvfb-run) to include the window copies;
// without a display it measures the off-screen drawing alone.
#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdio>

#include "devices/screen_device.h"

namespace {

void draw_box(devices::ScreenDevice& device) {
  device.set_colour_value(0x01FF00FF);
  const int corners[][2] = {{150, 100}, {650, 100}, {700, 160}, {700, 520},
                            {200, 520}, {150, 460}, {150, 100}};
  device.move_draw(corners[0][0], corners[0][1], devices::kMove);
  for (const auto& c : corners) device.move_draw(c[0], c[1], devices::kDraw);
}

void BM_AnimatedFrames(benchmark::State& state) {
  const int frames = static_cast<int>(state.range(0));
  for (auto _ : state) {
    devices::ScreenDevice device;
    devices::DeviceOpenParams p;
    p.idev = devices::kFormatScreen;
    p.window_mode = 2;
    p.width = 800;
    p.height = 600;
    device.open(p);
    double last_x = 400, last_y = 300;
    for (int i = 1; i <= frames; ++i) {
      draw_box(device);
      const double t = i * 0.02;
      const double x = 400 + 200 * std::cos(t) * (1 - i / (2.0 * frames));
      const double y = 300 + 150 * std::sin(t) * (1 - i / (2.0 * frames));
      device.set_colour_value(0x0100FF00);
      device.move_draw(std::round(last_x), std::round(last_y), devices::kMove);
      device.move_draw(std::round(x), std::round(y), devices::kDraw);
      last_x = x;
      last_y = y;
      device.update();
    }
    // Leaving without close: a benchmark has nobody to click the window away.
  }
  state.SetItemsProcessed(state.iterations() * frames);
}
BENCHMARK(BM_AnimatedFrames)->Arg(2000)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace
