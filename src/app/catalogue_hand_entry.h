// Entry of an object's elements by hand.
#pragma once

#include "app/console.h"
#include "app/run_state.h"

namespace app {

// Asks for a, e, i, node, peri, M, the epoch and the name; repeats the eccentricity
// question while e is outside [0, 1) and the epoch question while the epoch is outside
// [2400000, 2480000]. Sets the elements, blocks.epoch_jd, name28 and name7.
void enter_elements_by_hand(Console& console, RunState& state);

}  // namespace app
