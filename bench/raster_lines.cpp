// Speed of drawing into the raster canvas: lines of every direction and length on
// the program's 1600 x 1200 BMP canvas (index and true colour), and filled triangles.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdlib>
#include <random>
#include <vector>

#include "devices/raster_canvas.h"

namespace {

struct Segment {
  int x1, y1, x2, y2;
};

std::vector<Segment> random_segments(int count, int w, int h, int max_length) {
  std::mt19937 rng(12345);
  std::uniform_int_distribution<int> px(0, w - 1), py(0, h - 1), d(-max_length, max_length);
  std::vector<Segment> out;
  for (int i = 0; i < count; ++i) {
    const int x = px(rng), y = py(rng);
    out.push_back({x, y, std::clamp(x + d(rng), 0, w - 1), std::clamp(y + d(rng), 0, h - 1)});
  }
  return out;
}

// Short segments like those of a long path (a few pixels each), and long ones like axes.
void BM_CanvasLines(benchmark::State& state) {
  const bool true_colour = state.range(0) != 0;
  const int max_length = static_cast<int>(state.range(1));
  devices::RasterCanvas canvas;
  canvas.open(1600, 1200, true, 2, devices::Background::dark, true_colour);
  canvas.set_colour(0x0100FF00);
  const auto segments = random_segments(4096, 1600, 1200, max_length);
  std::int64_t pixels = 0;
  for (auto _ : state) {
    for (const auto& s : segments) {
      canvas.draw_line(s.x1, s.y1, s.x2, s.y2);
      pixels += std::max(std::abs(s.x2 - s.x1), std::abs(s.y2 - s.y1)) + 1;
    }
    benchmark::ClobberMemory();
  }
  state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(segments.size()));
  state.counters["pixels/s"] = benchmark::Counter(static_cast<double>(pixels), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_CanvasLines)->ArgNames({"rgba", "len"})->ArgsProduct({{0, 1}, {8, 400}});

// Filled triangles of a shaded sphere: a few hundred pixels each.
void BM_CanvasTriangles(benchmark::State& state) {
  devices::RasterCanvas canvas;
  canvas.open(1600, 1200, true, 2, devices::Background::dark, state.range(0) != 0);
  const auto corners = random_segments(3000, 1560, 1160, 25);
  for (auto _ : state) {
    for (std::size_t i = 0; i + 1 < corners.size(); i += 2) {
      const int xs[3] = {corners[i].x1 + 20, corners[i].x2 + 20, corners[i + 1].x1 % 40 + corners[i].x1};
      const int ys[3] = {corners[i].y1 + 20, corners[i].y2 + 20, corners[i + 1].y1 % 40 + corners[i].y1};
      canvas.fill_triangle(xs, ys, static_cast<int>(i % 254) + 1);
    }
    benchmark::ClobberMemory();
  }
  state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(corners.size() / 2));
}
BENCHMARK(BM_CanvasTriangles)->ArgName("rgba")->Arg(0)->Arg(1);

}  // namespace
