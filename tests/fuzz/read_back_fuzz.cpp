// Fuzz target: the read-back of a coordinates file and the sizing of its box.
#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <stdexcept>
#include <string>

#include "app/read_back.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const std::filesystem::path file =
      std::filesystem::temp_directory_path() / ("skytrak_fuzz_" + std::to_string(::getpid()) + ".xyz");
  std::ofstream(file, std::ios::binary | std::ios::trunc) << std::string(reinterpret_cast<const char*>(data), size);
  static auto state = std::make_unique<app::RunState>();
  state->ipl = size % 2 == 0 ? 3 : 4;
  try {
    app::read_back(*state, file);
  } catch (const std::runtime_error&) {
    return 0;
  }
  if (state->npts < 1 || state->axes.ixy < 105 || state->axes.iz < 5) std::abort();
  return 0;
}
