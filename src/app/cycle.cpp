// The cycle of stages: object, class, time span and run, read-back, view, plot, menu.
#include "app/cycle.h"

#include "app/menu.h"
#include "errors/error.h"

namespace app {

Stage next_stage(Stage stage, const RunState& state) {
  switch (stage) {
    case Stage::choose_object: return Stage::classify;
    case Stage::classify: return Stage::run_span;
    case Stage::run_span: return Stage::read_back;
    case Stage::read_back: return Stage::view_dialogue;
    case Stage::view_dialogue: return Stage::plot;
    case Stage::plot: return Stage::menu;
    case Stage::menu:
      if (state.iopt == kReplot || is_save_answer(state.iopt)) return Stage::plot;
      if (state.iopt == kNewView) return Stage::view_dialogue;
      if (state.iopt == kNewTimeSpan) return Stage::run_span;
      if (state.iopt == kNewObject) return Stage::choose_object;
      return Stage::end;
    case Stage::end: break;
  }
  return Stage::end;
}

namespace {

template <typename Function>
const Function& require(const Function& function, const char* name) {
  if (!function) throw errors::Failure(std::string("this build has no ") + name + " stage");
  return function;
}

}  // namespace

void run_cycle(Console& console, RunState& state, const Stages& stages) {
  Stage stage = Stage::choose_object;
  while (stage != Stage::end) {
    switch (stage) {
      case Stage::choose_object: require(stages.choose_object, "object choice")(state); break;
      case Stage::classify: require(stages.classify, "integration class")(state); break;
      case Stage::run_span: require(stages.run_span, "integration run")(state); break;
      case Stage::read_back: require(stages.read_back, "read-back")(state); break;
      case Stage::view_dialogue: require(stages.view_dialogue, "view dialogue")(state); break;
      case Stage::plot: require(stages.plot, "plot")(state, state.iopt); break;
      case Stage::menu: show_menu(console, state); break;
      case Stage::end: break;
    }
    stage = next_stage(stage, state);
  }
}

}  // namespace app
