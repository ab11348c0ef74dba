// SKYTRAK3D: the program's entry point, wiring the stages of the dialogue.
#include <unistd.h>

#include <iostream>

#include "app/catalogue.h"
#include "app/program.h"
#include "app/run_stage.h"

int main() {
  return app::run_main(std::cin, std::cout, std::cerr, [](app::Console& console) {
    app::Stages stages;
    stages.choose_object = [&console](app::RunState& state) { app::choose_object(console, state, ".", std::cerr); };
    stages.classify = [](app::RunState& state) { app::classify(state); };
    stages.run_span = [&console](app::RunState& state) {
      app::run_span(console, state, ".", std::cerr, ::isatty(STDERR_FILENO) != 0);
    };
    return stages;
  });
}
