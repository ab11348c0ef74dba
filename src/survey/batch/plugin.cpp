// The batches' plug-in (see plugin.h).
#include "survey/batch/plugin.h"

extern "C" const survey::BatchKernels* skytrak3d_batch_kernels() {
  static const survey::BatchKernels kernels{&survey::drift_batch, &survey::kick_batch, &survey::screen_minima};
  return &kernels;
}
