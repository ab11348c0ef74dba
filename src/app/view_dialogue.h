// The view dialogue: where the observer stands, what the view is centred on, and
// whether the path is drawn as an animation.
#pragma once

#include "app/console.h"
#include "app/run_state.h"

namespace app {

void view_dialogue(Console& console, RunState& state);

// The focus point and the observer's distances to the planet and the Sun, from the focus
// letter and the observer's position in state.view.
void set_view_focus(RunState& state);

}  // namespace app
