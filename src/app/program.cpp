// The dialogue from the greeting to the end of the program, and its exit status.
#include "app/program.h"

#include "app/start_dialogue.h"

namespace app {

void run_program(Console& console, RunState& state, const Stages& stages) {
  greet(console);
  ask_reference_planet(console, state);
  run_cycle(console, state, stages);
}

int run_main(std::istream& in, std::ostream& out, std::ostream& err,
             const std::function<Stages(Console&)>& make_stages) {
  Console console(in, out);
  RunState state;
  try {
    run_program(console, state, make_stages(console));
  } catch (const std::runtime_error& error) {
    out.flush();
    err << "skytrak3d: " << error.what() << '\n';
    return 1;
  }
  out.flush();
  return 0;
}

}  // namespace app
