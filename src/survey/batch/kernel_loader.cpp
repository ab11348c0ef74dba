// Loading the batches' plug-in (see kernel_loader.h).
#include "survey/batch/kernel_loader.h"

#include "errors/error.h"
#include "plugin/plugin_entry.h"
#include "survey/batch/plugin.h"

namespace survey {
namespace {

struct Loaded {
  const BatchKernels* kernels = nullptr;
  std::string error;
};

Loaded load() {
  const std::string file = "skytrak3d-batch.so";
  Loaded loaded;
  try {
    const auto entry = reinterpret_cast<decltype(&skytrak3d_batch_kernels)>(
        plugin::load_entry(file, "skytrak3d_batch_kernels"));
    loaded.kernels = entry();
  } catch (const errors::Failure& missing) {
    loaded.error = "the survey's batches need " + file + ": " + missing.what();
  }
  return loaded;
}

}  // namespace

const BatchKernels* batch_kernels(std::string& error) {
  static const Loaded loaded = load();  // once, whichever thread asks first
  error = loaded.error;
  return loaded.kernels;
}

}  // namespace survey
