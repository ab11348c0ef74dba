// The kick of a batch of objects by the planets side by side: the cheap encounter-zone
// test and the planets' pulls in vector code, with one reciprocal per object and pulling mass.
#pragma once

#include <vector>

#include "survey/batch/terms.h"
#include "survey/batch/object_batch.h"

namespace survey {

// Adds to the velocity of every lane not out the pulls of the planets (the masses each
// brings), in slot order, over dt. A lane that is not surely outside some planet's
// encounter zone (dynamics::surely_outside_encounter_zone, positions at the kick and at
// the start) is marked out: its step is the scalar path's.
void kick_batch(const std::vector<KickPlanet>& planets, double dt, ObjectBatch& batch);

}  // namespace survey
