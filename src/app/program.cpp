// The dialogue from the greeting to the end of the program, and its exit status.
#include "app/program.h"

#include <new>

#include "app/plot_failure.h"
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
  const auto fail = [&](const char* what) {
    out.flush();
    err << "skytrak3d: " << what << '\n';
    return 1;
  };
  try {
    run_program(console, state, make_stages(console));
    console.flush();
  } catch (const PlotFailure& failure) {
    return report_plot_failure(out, err, failure);
  } catch (const std::bad_alloc&) {
    return fail("out of memory");
  } catch (const std::exception& error) {
    return fail(error.what());
  }
  return 0;
}

}  // namespace app
