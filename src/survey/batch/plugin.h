// The batches' plug-in (skytrak3d-batch.so): the vector code of the drift, the kick and
// the screen of the minima, with the vector libraries it needs.
#pragma once

#include "survey/batch/kernels.h"

// The entry point: the kernels, valid while the plug-in stays loaded (always).
extern "C" const survey::BatchKernels* skytrak3d_batch_kernels();
