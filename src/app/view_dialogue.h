// The view dialogue: where the observer stands, what the view is centred on, and
// whether the path is drawn as an animation.
#pragma once

#include "app/console.h"
#include "app/run_state.h"

#include <string>
#include <string_view>

namespace app {

void view_dialogue(Console& console, RunState& state);

// The focus point of the view's focus letter: the planet, the object's last point,
// else the Sun.
void place_focus(RunState& state);
// The observer's distances to the planet and to the Sun (they size the spheres).
void measure_distances(View& view);
// The view as the view prompt takes it, without the animation key: the focus letter
// and the observer's x, y, z to two decimals, e.g. "P,3.12,-2.40,1.77".
std::string view_prompt_form(const View& view);
// The view from the texts of the view prompt's first four answers: the focus letter S,
// P or A (any case) and the observer's x, y, z in the console's number syntax, which
// has no NaN or infinity and refuses values beyond the range of a float. False,
// with the view unchanged, when one of them is not that.
bool parse_view(std::string_view focus, std::string_view x, std::string_view y, std::string_view z, View& view);
// Both, from the focus letter and the observer's position in state.view.
void set_view_focus(RunState& state);

}  // namespace app
