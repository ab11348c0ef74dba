// Speed of saving the program's still picture with a path of 40,003 points as the
// program's BMP (1600 x 1200, 8-bit): open, settings, one frame, write, close.
#include <benchmark/benchmark.h>

#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <string>

#include "../tests/app/program_picture.h"
#include "plot/core/global_state.h"

namespace {

using namespace plotix;

constexpr int kPathPoints = 40003;

void BM_SaveAsBmp(benchmark::State& state) {
  const test::ProgramPicture picture(kPathPoints);
  const std::string file = "/tmp/skytrak_bench_picture_" + std::to_string(getpid()) + ".bmp";
  for (auto _ : state) {
    std::remove(file.c_str());
    setfil(file);
    metafl("BMP");
    winsiz(1600, 1200);
    disini();
    qqgglb()->core.iprotocol = false;  // keep the report free of protocols
    picture.settings();
    picture.frame(kPathPoints);
    disfin();
  }
  state.counters["file_bytes"] = static_cast<double>(std::filesystem::file_size(file));
  std::remove(file.c_str());
  free_global_state();
}
BENCHMARK(BM_SaveAsBmp)->Unit(benchmark::kMillisecond);

}  // namespace
