// SKYTRAK3D: the program's entry point, wiring the stages of the dialogue.
#include <iostream>

#include "app/catalogue.h"
#include "app/program.h"

int main() {
  return app::run_main(std::cin, std::cout, std::cerr, [](app::Console& console) {
    app::Stages stages;
    stages.choose_object = [&console](app::RunState& state) { app::choose_object(console, state, ".", std::cerr); };
    return stages;
  });
}
