// The dialogue from the greeting to the end of the program, and its exit status.
#include "app/program.h"

#include <new>

#include "app/error_report.h"
#include "app/start_dialogue.h"
#include "errors/error.h"
#include "textio/prefixed_lines.h"

namespace app {

void run_program(Console& console, RunState& state, const Stages& stages) {
  greet(console);
  ask_reference_planet(console, state);
  run_cycle(console, state, stages);
}

int run_main(std::istream& in, std::ostream& out, std::ostream& err,
             const std::function<Stages(Console&, std::ostream& warnings)>& make_stages) {
  Console console(in, out);
  RunState state;
  textio::PrefixedLines warnings(err, kMessagePrefix);
  try {
    run_program(console, state, make_stages(console, warnings));
    console.flush();
  } catch (const errors::Error& error) {
    return report_error(out, err, error);
  } catch (const std::bad_alloc&) {
    return report_error(out, err, errors::Failure("out of memory"));
  } catch (const std::exception& error) {
    return report_error(out, err, errors::Failure(error.what()));
  }
  return errors::kExitOk;
}

}  // namespace app
