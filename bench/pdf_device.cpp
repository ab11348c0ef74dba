// Speed and size of PDF saves of a path of 40,003 points (the most a run writes):
// the program's whole still picture saved through the library as PDF, and as
// PostScript for the size comparison; and the bare path through the PDF device,
// deflated and not. Reports the time per saved file and the file size.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cmath>
#include <filesystem>
#include <string>
#include <vector>

#include "../tests/app/program_picture.h"
#include "devices/pdf_device.h"
#include "plot/core/global_state.h"

namespace {

constexpr int kPathPoints = 40003;

std::filesystem::path bench_file(const char* extension) {
  return std::filesystem::temp_directory_path() /
         ("skytrak_bench_pdf_" + std::to_string(::getpid()) + extension);
}

// metafl, disini, the program's settings, one frame with the whole path, disfin.
void save_picture(benchmark::State& state, const char* format, const char* extension) {
  const plotix::test::ProgramPicture picture(kPathPoints);
  const auto file = bench_file(extension);
  for (auto _ : state) {
    std::filesystem::remove(file);
    plotix::setfil(file.string());
    plotix::metafl(format);
    plotix::disini();
    plotix::qqgglb()->core.iprotocol = false;  // keep the report free of protocols
    picture.settings();
    picture.frame(kPathPoints);
    plotix::disfin();
  }
  state.counters["file_bytes"] = static_cast<double>(std::filesystem::file_size(file));
  std::filesystem::remove(file);
  plotix::free_global_state();
}

void BM_SavePictureAsPdf(benchmark::State& state) { save_picture(state, "PDF", ".pdf"); }
void BM_SavePictureAsPostScript(benchmark::State& state) { save_picture(state, "PS", ".ps"); }
BENCHMARK(BM_SavePictureAsPdf)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SavePictureAsPostScript)->Unit(benchmark::kMillisecond);

// The path alone, handed to the device the way the line pipeline does: strokes of
// 100 points, each starting with a move to the last point of the one before.
void BM_PathThroughPdfDevice(benchmark::State& state) {
  std::vector<std::pair<double, double>> points;
  for (int i = 0; i < kPathPoints; ++i) {  // an orbit-like loop on the sheet (points)
    const double t = i * 0.01, r = 200 * (1 + 0.1 * std::sin(7.3 * t));
    points.emplace_back(276 + r * std::cos(t), 391 + 1.3 * r * std::sin(t));
  }
  const auto file = bench_file(".pdf");
  devices::DeviceOpenParams params;
  params.idev = 511;
  params.file_name = file.string();
  params.xdevfac = 552.7559 / 2099;
  params.background_mode = devices::Background::light;
  params.compress = state.range(0) != 0;
  params.date = "06.12.2026";
  params.time = "12:34:56";
  devices::PdfWriter pdf;
  for (auto _ : state) {
    std::filesystem::remove(file);
    pdf.open(params);
    pdf.set_colour_rgb(0, 255, 0);
    for (int i = 0; i < kPathPoints; ++i) {
      if (i % 99 == 0) pdf.move_draw(points[i].first, points[i].second, devices::kMove);
      if (i > 0) pdf.move_draw(points[i].first, points[i].second, devices::kDraw);
    }
    if (pdf.close() != 0) state.SkipWithError("file not written");
  }
  state.counters["file_bytes"] = static_cast<double>(std::filesystem::file_size(file));
  std::filesystem::remove(file);
}
BENCHMARK(BM_PathThroughPdfDevice)->Arg(1)->Arg(0)->ArgName("compress")->Unit(benchmark::kMillisecond);

}  // namespace
