// The whole dialogue: greeting, reference planet, then the cycle of stages.
#pragma once

#include "app/console.h"
#include "app/cycle.h"
#include "app/run_state.h"

namespace app {

// Runs the dialogue until the menu's quit answer. An unreadable answer, the end of the
// input or a stage that was not given ends it with errors::Failure.
void run_program(Console& console, RunState& state, const Stages& stages);

// Runs the dialogue on the given streams and turns its failures into a message on `err`
// ("skytrak3d: ...") and the exit status: 0 after the quit answer, 1 otherwise. The stages
// get the console and the stream of the warnings, each line of which reaches `err` after
// the program's name.
int run_main(std::istream& in, std::ostream& out, std::ostream& err,
             const std::function<Stages(Console&, std::ostream& warnings)>& make_stages);

}  // namespace app
