// Fuzz target: the whole dialogue from a byte string, with the real stages, no display
// (the screen device says so and returns) and the files in a temporary folder, which is
// emptied but for the catalogue before every input.
#include <unistd.h>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <sstream>
#include <stdexcept>
#include <string>

#include "app/catalogue.h"
#include "app/plot_stage.h"
#include "app/program.h"
#include "app/read_back.h"
#include "app/run_files.h"
#include "app/run_stage.h"
#include "app/view_dialogue.h"

namespace {

namespace fs = std::filesystem;

constexpr double kMostStepsPerInput = 20000;

// The working folder "work", alone in a folder of its own so that a file written
// outside it is seen, with the sample catalogue; stdout (the plot protocol) goes nowhere.
const fs::path& work_folder() {
  static const fs::path dir = [] {
    std::string pattern = (fs::temp_directory_path() / "skytrak_dialogue_XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr) std::abort();
    const fs::path work = fs::path(pattern) / "work";
    fs::create_directory(work);
    fs::copy_file(fs::path(SKYTRAK_SOURCE_DIR) / "data" / "nea.dat", work / "nea.dat");
    fs::current_path(work);
    ::setenv("SDL_VIDEODRIVER", "x11", 1);
    ::unsetenv("DISPLAY");
    if (std::freopen("/dev/null", "w", stdout) == nullptr) std::abort();
    return work;
  }();
  return dir;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const fs::path& folder = work_folder();
  for (const auto& entry : fs::directory_iterator(folder))
    if (entry.path().filename() != "nea.dat") fs::remove_all(entry.path());

  std::istringstream in(std::string(reinterpret_cast<const char*>(data), size));
  std::ostringstream out, err;
  const int status = app::run_main(in, out, err, [&](app::Console& console, std::ostream& warnings) {
    app::Stages stages;
    stages.choose_object = [&](app::RunState& state) { app::choose_object(console, state, folder, warnings); };
    stages.classify = [](app::RunState& state) { app::classify(state); };
    stages.run_span = [&](app::RunState& state) {
      // The program accepts runs of up to 1e8 steps, minutes of work: far too long for
      // one fuzz input, so longer runs end the input here as a refused answer would.
      app::ask_time_span(console, state);
      if (std::fabs(state.span) / state.h > kMostStepsPerInput) throw std::runtime_error("span too long for fuzzing");
      app::integrate(console, state, folder, nullptr);
    };
    stages.read_back = [&](app::RunState& state) {
      app::read_back(state, folder / app::coordinates_file_name(state.name7));
    };
    stages.view_dialogue = [&](app::RunState& state) { app::view_dialogue(console, state); };
    stages.plot = [](app::RunState& state, int iopt) { app::plot_picture(state, app::plot_output(iopt)); };
    return stages;
  });
  // Every way out is the quit answer (0) or one message on stderr (1).
  if (status != 0 && status != 1) std::abort();
  if (status == 1 && err.str().rfind("skytrak3d: ", 0) == std::string::npos) std::abort();
  // Nothing is ever written outside the working folder.
  for (const auto& entry : fs::directory_iterator(folder.parent_path()))
    if (entry.path() != folder) std::abort();
  return 0;
}
