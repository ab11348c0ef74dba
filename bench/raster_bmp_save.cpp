// Speed of writing the program's BMP: a 1600 x 1200 picture (8-bit with its colour
// table, and 24-bit), from the canvas to a file on disk.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string>

#include "devices/bmp_writer.h"
#include "devices/raster_canvas.h"

namespace {

// A picture with content on every row: a spiral path of many short segments.
void draw_picture(devices::RasterCanvas& canvas) {
  canvas.set_colour(0x0100FF00);
  int last_x = 800, last_y = 600;
  for (int i = 1; i < 40003; ++i) {
    const double t = i * 0.01;
    const int x = 800 + static_cast<int>(std::lround(t * 1.9 * std::cos(t)));
    const int y = 600 + static_cast<int>(std::lround(t * 1.4 * std::sin(t)));
    canvas.draw_line(last_x, last_y, std::clamp(x, 0, 1599), std::clamp(y, 0, 1199));
    last_x = std::clamp(x, 0, 1599);
    last_y = std::clamp(y, 0, 1199);
  }
}

void BM_BmpSave(benchmark::State& state) {
  const bool true_colour = state.range(0) != 0;
  devices::RasterCanvas canvas;
  canvas.open(1600, 1200, true, 2, devices::Background::dark, true_colour);
  draw_picture(canvas);
  const std::string path = true_colour ? "bench_save24.bmp" : "bench_save8.bmp";
  std::uint64_t bytes = 0;
  for (auto _ : state) {
    devices::ByteSink sink;
    if (!sink.open(path) || devices::write_bmp(canvas, sink) != 0) state.SkipWithError("write failed");
    bytes = sink.position();
    if (!sink.close()) state.SkipWithError("close failed");
  }
  state.counters["file_bytes"] = static_cast<double>(bytes);
  state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(bytes));
  std::remove(path.c_str());
}
BENCHMARK(BM_BmpSave)->ArgName("rgb24")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

}  // namespace
