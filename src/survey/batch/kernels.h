// The entry points of the batches' vector code, as the plug-in skytrak3d-batch.so hands
// them over (kernel_loader.h loads it).
#pragma once

#include "survey/batch/drift.h"
#include "survey/batch/kick.h"
#include "survey/batch/minima_screen.h"

namespace survey {

// The entry points of the batches' vector code.
struct BatchKernels {
  decltype(&drift_batch) drift;
  decltype(&kick_batch) kick;
  decltype(&screen_minima) screen;
};

}  // namespace survey
