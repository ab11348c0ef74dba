// The whole dialogue: greeting, reference planet, then the cycle of stages.
#pragma once

#include "app/console.h"
#include "app/cycle.h"
#include "app/run_state.h"

namespace app {

// Runs the dialogue until the menu's quit answer. An unreadable answer or the end of
// input ends it with InputError; a stage that was not given, with MissingStage.
void run_program(Console& console, RunState& state, const Stages& stages);

// Runs the dialogue on the given streams and turns its failures into a message on `err`
// ("skytrak3d: ...") and the exit status: 0 after the quit answer, 1 otherwise.
int run_main(std::istream& in, std::ostream& out, std::ostream& err,
             const std::function<Stages(Console&)>& make_stages);

}  // namespace app
