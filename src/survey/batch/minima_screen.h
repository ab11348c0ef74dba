// Which lanes of a batch may pass a target closer than the survey's distance inside a
// step: a screen in vector code, so that the scalar search of the minimum on the cubic
// (closest_approach.h) runs only for the few lanes that need it.
#pragma once

#include "survey/engine/closest_approach.h"
#include "survey/batch/object_batch.h"

namespace survey {

// Sets batch.candidate[l] to 1 for each lane whose distance to the target has a minimum
// inside the step (has_minimum, from the lane's states at_start and now, the step of
// signed length h years) that may lie below `distance` AU, else to 0. The minimum's
// bound: the cubic's speed is at most 1.5 |p1 - p0| + |h| (|v0| + |v1|) in the fraction of
// the step, so no point of it comes nearer than half of |p0| + |p1| less that speed.
void screen_minima(const RelativeState& target_start, const RelativeState& target_end, double h, double distance,
                   ObjectBatch& batch);

}  // namespace survey
