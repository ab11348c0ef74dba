// The cycle of stages after the start of the dialogue, as a state machine whose stages
// are functions handed in by the caller.
#pragma once

#include <functional>
#include <string>

#include "app/console.h"
#include "app/run_state.h"

namespace app {

// The stages of one cycle. Each receives the run state and returns when its work is
// done; the cycle decides what comes next. A stage that needs the console captures it.
struct Stages {
  // Object choice: sets name7, name28, the elements and blocks.epoch_jd.
  std::function<void(RunState&)> choose_object;
  // Integration class of the chosen object: sets integration_class.
  std::function<void(RunState&)> classify;
  // Time-span dialogue and integration run: sets span, dt, h; writes the result files.
  std::function<void(RunState&)> run_span;
  // Reads the coordinates file back: points, axis box; turns anim on, kstart = 1.
  std::function<void(RunState&)> read_back;
  // View dialogue: sets view and anim.
  std::function<void(RunState&)> view_dialogue;
  // Draws the picture. A save answer (1..4, 9, 10) saves it as BMP, PDF, PS, WMF, PNG or
  // SVG (anim is already off); any other value draws on the screen.
  std::function<void(RunState&, int iopt)> plot;
};

enum class Stage { choose_object, classify, run_span, read_back, view_dialogue, plot, menu, end };

// The stage that follows `stage`; after the menu it depends on the answer in state.iopt.
Stage next_stage(Stage stage, const RunState& state);

// Runs the cycle from the object choice until the menu ends the program. A stage the
// cycle reached but that no function was given for is an errors::Failure.
void run_cycle(Console& console, RunState& state, const Stages& stages);

}  // namespace app
