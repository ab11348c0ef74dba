// The half-step Kepler drift of a batch of objects side by side: drift_bodies' drift and
// tests in vector code, for the lanes whose drift takes its ordinary route.
#pragma once

#include "survey/batch/terms.h"
#include "survey/batch/object_batch.h"

namespace survey {

// Drifts every lane not out by half_dt (signed, years) along its heliocentric ellipse, with
// the formulas and the operation order of the scalar drift. Marks out a lane whose drift
// the scalar path must take: one drift_bodies would remove (semimajor axis below its
// minimum or a hyperbola, inside the capture radius, beyond the ejection limits, a fall
// into the Sun during the drift), one so close to a parabola that it goes through the conic,
// and one whose anomaly equation has not settled within five iterations (the scalar solver
// then brackets the root). Each lane's result depends on that lane alone.
void drift_batch(const DriftLimits& limits, double half_dt, ObjectBatch& batch);

}  // namespace survey
