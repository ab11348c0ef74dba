// The integration stage of the dialogue: the class of a newly chosen object, the
// time-span dialogue, and the run that writes name7.xyz and name7.clo.
#pragma once

#include <filesystem>
#include <ostream>

#include "app/console.h"
#include "app/run_state.h"

namespace app {

// Integration class (first planet, central mass, step) of the object from q = a (1 - e) and ipl.
void classify(RunState& state);

// Asks for the span and the output step until they give few enough points; sets span,
// dt and the unsigned step h.
void ask_time_span(Console& console, RunState& state);

// Sets span, the output step dt (rounded to whole integration steps when longer than one)
// and the unsigned step h. Returns the line that refuses them (too many points, an output
// step not above 0, too many steps, dates the coordinates file cannot hold), or nullptr.
const char* set_time_span(RunState& state, double span, double dt);

// Integrates from the epoch over the span, writing both result files in `folder`.
// progress: where a progress bar may go (nullptr: none). A file that cannot be written
// is an errors::Failure.
void integrate(Console& console, RunState& state, const std::filesystem::path& folder, std::ostream* progress);

// The time-span dialogue followed by the run; the bar goes to `err` when it is a
// terminal (is_terminal).
void run_span(Console& console, RunState& state, const std::filesystem::path& folder, std::ostream& err,
              bool is_terminal);

}  // namespace app
