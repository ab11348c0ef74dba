// The vector code of the batches lives in a plug-in, skytrak3d-batch.so: the vector
// library runs start-up work when it is loaded, which a plain start of the program (its
// version, a search of the catalogue) should not pay. The survey loads it on first use.
#pragma once

#include <string>

#include "survey/batch/kernels.h"

namespace survey {

// The kernels of the plug-in, loaded once per process; nullptr when it cannot be loaded,
// with "the survey's batches need skytrak3d-batch.so: <reason>" in `error` (the survey then
// steps its objects in groups on the scalar path: the same rows, more slowly).
const BatchKernels* batch_kernels(std::string& error);

}  // namespace survey
