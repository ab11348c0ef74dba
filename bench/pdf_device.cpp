// Saving a path of 40,003 points (the longest a run can write) as PDF through the
// device interface, the way the line pipeline hands it over: strokes of 100 points,
// each starting with a move to the last point of the one before. Reports the time
// per saved file and the file size.
#include <benchmark/benchmark.h>

#include <cmath>
#include <filesystem>
#include <vector>

#include "devices/pdf_device.h"

namespace {

constexpr int kPoints = 40003;

// An orbit-like loop around the middle of the default page's sheet (points).
std::vector<std::pair<double, double>> path() {
  std::vector<std::pair<double, double>> points;
  for (int i = 0; i < kPoints; ++i) {
    const double t = i * 0.01;
    const double r = 200 * (1 + 0.1 * std::sin(7.3 * t));
    points.emplace_back(276 + r * std::cos(t), 391 + 1.3 * r * std::sin(t));
  }
  return points;
}

void BM_SavePathAsPdf(benchmark::State& state) {
  const auto points = path();
  const auto file = std::filesystem::temp_directory_path() / "bench_pdf_device.pdf";
  devices::DeviceOpenParams params;
  params.idev = 511;
  params.file_name = file.string();
  params.xdevfac = 552.7559 / 2099;
  params.background_mode = 2;
  params.compress = state.range(0) != 0;
  params.date = "06.12.2026";
  params.time = "12:34:56";
  devices::PdfWriter pdf;
  for (auto _ : state) {
    std::filesystem::remove(file);
    pdf.open(params);
    pdf.set_colour_rgb(0, 255, 0);
    for (int i = 0; i < kPoints; ++i) {
      if (i % 99 == 0) pdf.move_draw(points[i].first, points[i].second, devices::kMove);
      if (i > 0) pdf.move_draw(points[i].first, points[i].second, devices::kDraw);
    }
    if (pdf.close() != 0) state.SkipWithError("file not written");
  }
  state.counters["file_bytes"] = static_cast<double>(std::filesystem::file_size(file));
  std::filesystem::remove(file);
}
BENCHMARK(BM_SavePathAsPdf)->Arg(1)->Arg(0)->ArgName("compress")->Unit(benchmark::kMillisecond);

}  // namespace
