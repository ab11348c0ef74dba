// Loading the batches' plug-in (see kernel_loader.h).
#include "survey/batch/kernel_loader.h"

#include "errors/error.h"
#include "plugin/plugin_entry.h"
#include "survey/batch/plugin.h"

namespace survey {
namespace {

LoadedKernels load() {
  const std::string file = "skytrak3d-batch.so";
  LoadedKernels loaded;
  try {
    const auto entry = reinterpret_cast<decltype(&skytrak3d_batch_kernels)>(
        plugin::load_entry(file, "skytrak3d_batch_kernels"));
    loaded.kernels = entry();
  } catch (const errors::Failure& missing) {
    loaded.missing = "the survey's batches need " + file + ": " + missing.what();
  }
  return loaded;
}

}  // namespace

const LoadedKernels& batch_kernels() {
  static const LoadedKernels loaded = load();  // once, whichever thread asks first
  return loaded;
}

}  // namespace survey
