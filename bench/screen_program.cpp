// Speed and memory of the program's screen plots in a real window: the plot stage
// draws the picture of a path read back from a coordinates file into the screen
// device on a private Xvfb, and a helper process plays the user who closes the
// window as soon as it waits ("Click MB2 to continue ..."). Measured: a still plot
// of 40,003 points (about what one redraw of a turned view costs, plus opening the
// window) and animated plots of 500, 2,000 and 40,001 points (one frame per point).
// With SKYTRAK_BENCH_OFFSCREEN=1 no X server is started and the same plots are drawn
// off-screen, which tells the drawing from the window's share. Also measured: the
// time from a close request sent during an animation to the return of the plot
// (the menu), which must not grow with the number of points.
#include <benchmark/benchmark.h>

#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cmath>
#include <cstdio>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <optional>
#include <cstdint>
#include <string>
#include <thread>

#include "../tests/devices/x_close_request.h"
#include "../tests/devices/x_window_tools.h"
#include "../tests/app/program_picture.h"
#include "app/plot_stage.h"
#include "app/read_back.h"
#include "app/run_state.h"

namespace {

bool offscreen() {
  const char* v = std::getenv("SKYTRAK_BENCH_OFFSCREEN");
  return v != nullptr && std::string(v) == "1";
}

// The X server and the closing user, for the whole benchmark program.
class Desktop {
 public:
  Desktop() {
    setenv("SDL_VIDEODRIVER", "x11", 1);
    if (offscreen()) {
      unsetenv("DISPLAY");
      return;
    }
    server_ = std::make_unique<window_test::XvfbServer>();
    setenv("DISPLAY", server_->display().c_str(), 1);
    closer_ = fork();
    if (closer_ == 0) {
      window_test::close_windows_titled(server_->display(), "PLOTIX 1 / Click MB2 to continue ...");
      _exit(1);
    }
  }
  ~Desktop() {
    if (closer_ > 0) {
      kill(closer_, SIGTERM);
      waitpid(closer_, nullptr, 0);
    }
  }
  Desktop(const Desktop&) = delete;
  Desktop& operator=(const Desktop&) = delete;

 private:
  std::unique_ptr<window_test::XvfbServer> server_;
  pid_t closer_ = -1;
};

void ensure_desktop() { static Desktop desktop; }

// The run state after a run of n points: the made-up path of the picture tests
// written as a coordinates file and read back, seen from (3, -3, 1.5) with the focus
// on the Earth.
app::RunState run_state(int n, char anim) {
  const plotix::test::ProgramPicture picture(n);
  const std::filesystem::path file =
      std::filesystem::temp_directory_path() / ("skytrak_bench_screen_" + std::to_string(getpid()) + ".xyz");
  if (std::FILE* f = std::fopen(file.c_str(), "w")) {
    std::fprintf(f, " JD , X (relative units) , Y (ru), Z (ru), DELTA (AU)\n");
    for (int k = 0; k < n; ++k) std::fprintf(f, " 2458666.5 %.6E %.6E %.6E 1.0\n", picture.x[k], picture.y[k], picture.z[k]);
    std::fclose(f);
  }
  app::RunState state;
  state.ipl = 3;
  state.sysname = "System : Sun-Earth  ";
  state.name7 = "00433  ";
  state.name28 = "(433) Eros                  ";
  app::read_back(state, file);
  std::filesystem::remove(file);
  state.view = {'P', 3.0f, -3.0f, 1.5f, 0.0f, 0.0f, 0.0f, std::sqrt(20.25f), std::sqrt(27.25f)};
  state.anim = anim;
  return state;
}

// The end-of-plot protocol goes to the standard output; kept out of the report.
class QuietStdout {
 public:
  QuietStdout() : saved_(dup(1)) {
    std::fflush(stdout);
    std::FILE* null = std::fopen("/dev/null", "w");
    dup2(fileno(null), 1);
    std::fclose(null);
  }
  ~QuietStdout() {
    std::fflush(stdout);
    dup2(saved_, 1);
    close(saved_);
  }
  QuietStdout(const QuietStdout&) = delete;
  QuietStdout& operator=(const QuietStdout&) = delete;

 private:
  int saved_;
};

long peak_rss_kb() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return usage.ru_maxrss;
}

void plot_benchmark(benchmark::State& state, char anim) {
  ensure_desktop();
  const int points = static_cast<int>(state.range(0));
  app::RunState run = run_state(points, anim);
  const long peak_before = peak_rss_kb();
  for (auto _ : state) {
    QuietStdout quiet;
    app::plot_picture(run, app::PlotOutput::screen);
  }
  state.counters["frames"] = anim == 'Y' ? points : 1;
  state.counters["peak_rss_kB"] = static_cast<double>(peak_rss_kb());
  state.counters["peak_rss_growth_kB"] = static_cast<double>(peak_rss_kb() - peak_before);
}

// Animated: the first frame is the whole picture with one point, each next frame
// adds its segment, the last draws the whole picture again. The 500-point plot runs first, so the growth of the peak memory in the 2,000-point
// plot shows whether memory follows the number of frames.
void BM_AnimatedScreenPlot(benchmark::State& state) { plot_benchmark(state, 'Y'); }
BENCHMARK(BM_AnimatedScreenPlot)->Arg(500)->Arg(2000)->Arg(40001)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_StillScreenPlot(benchmark::State& state) { plot_benchmark(state, 'N'); }
BENCHMARK(BM_StillScreenPlot)->Arg(40003)->Unit(benchmark::kMillisecond)->Iterations(5);

// A user who closes the animation's window a fixed time after it appears (titled
// Working), in a child process; the moment of the close request (steady clock, which
// is the same for both processes) comes back through a pipe.
class AnimationCloser {
 public:
  explicit AnimationCloser(std::chrono::milliseconds after) {
    int fds[2];
    if (pipe(fds) != 0) return;
    pid_ = fork();
    if (pid_ == 0) {
      close(fds[0]);
      const std::string display = std::getenv("DISPLAY");
      const std::string id = window_test::find_window(display, "PLOTIX 1 / Working");
      if (id.empty()) _exit(1);
      std::this_thread::sleep_for(after);
      const std::int64_t sent = std::chrono::steady_clock::now().time_since_epoch().count();
      window_test::send_close_request(display, std::stoul(id));
      if (write(fds[1], &sent, sizeof sent) != sizeof sent) _exit(1);
      _exit(0);
    }
    close(fds[1]);
    result_ = fds[0];
  }
  ~AnimationCloser() {
    if (result_ >= 0) close(result_);
    if (pid_ > 0) waitpid(pid_, nullptr, 0);
  }
  AnimationCloser(const AnimationCloser&) = delete;
  AnimationCloser& operator=(const AnimationCloser&) = delete;

  // When the close request went out; nullopt when it never did.
  std::optional<std::chrono::steady_clock::time_point> sent() const {
    std::int64_t ticks = 0;
    if (read(result_, &ticks, sizeof ticks) != sizeof ticks) return std::nullopt;
    return std::chrono::steady_clock::time_point(std::chrono::steady_clock::duration(ticks));
  }

 private:
  pid_t pid_ = -1;
  int result_ = -1;
};

// An animation closed 50 ms after its window appears: the iteration time is from the
// close request to the return of the plot. The plot's whole time is shown too; it
// stays far below the whole animation's when the close came while drawing.
void BM_CloseDuringAnimation(benchmark::State& state) {
  if (offscreen()) {
    state.SkipWithError("needs a window");
    return;
  }
  ensure_desktop();
  const int points = static_cast<int>(state.range(0));
  app::RunState run = run_state(points, 'Y');
  double plot_ms = 0;
  for (auto _ : state) {
    QuietStdout quiet;
    AnimationCloser closer(std::chrono::milliseconds(50));
    const auto start = std::chrono::steady_clock::now();
    app::plot_picture(run, app::PlotOutput::screen);
    const auto returned = std::chrono::steady_clock::now();
    const auto sent = closer.sent();
    if (!sent) {
      state.SkipWithError("the window was never closed");
      return;
    }
    state.SetIterationTime(std::chrono::duration<double>(returned - *sent).count());
    plot_ms += std::chrono::duration<double, std::milli>(returned - start).count();
  }
  state.counters["plot_ms"] = plot_ms / static_cast<double>(state.iterations());
}
BENCHMARK(BM_CloseDuringAnimation)->Arg(2000)->Arg(40001)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(5);

}  // namespace
