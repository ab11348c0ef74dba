// The view dialogue: where the observer stands, what the view is centred on, and
// whether the path is drawn as an animation.
#pragma once

#include "app/console.h"
#include "app/run_state.h"

namespace app {

void view_dialogue(Console& console, RunState& state);

}  // namespace app
