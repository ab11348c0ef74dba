// The vector code of the batches lives in a plug-in, skytrak3d-batch.so: the vector
// library runs start-up work when it is loaded, which a plain start of the program (its
// version, a search of the catalogue) should not pay. The survey loads it on first use.
#pragma once

#include <string>

#include "survey/batch/kernels.h"

namespace survey {

struct LoadedKernels {
  const BatchKernels* kernels = nullptr;  // none when the plug-in cannot be loaded
  std::string missing;  // then "the survey's batches need skytrak3d-batch.so: <reason>"
};

// The kernels of the plug-in, loaded once per process. Without them the survey steps its
// objects in groups on the scalar path: the same rows, more slowly.
const LoadedKernels& batch_kernels();

}  // namespace survey
