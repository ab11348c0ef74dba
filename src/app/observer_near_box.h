// Whether the observer stands inside the box or against it, where the classic picture
// is cut by the edge of the page.
#pragma once

#include "app/run_state.h"

namespace app {

// True when the observer lies inside the run's box grown by a quarter of its edge
// length on every side.
bool observer_near_box(const RunState& state);

// The warning the classic style gives for such an observer, one line.
inline constexpr const char* kObserverNearBoxWarning =
    "warning: the observer is inside or against the box, so the classic picture is cut by the page; "
    "--style clear keeps the whole box\n";

}  // namespace app
