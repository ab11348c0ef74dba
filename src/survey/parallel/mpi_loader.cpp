// Loading the MPI plug-in (see mpi_loader.h).
#include "survey/parallel/mpi_loader.h"

#include <cstdlib>
#include <string>

#include "errors/error.h"
#include "plugin/plugin_entry.h"
#include "survey/parallel/mpi_plugin.h"

namespace survey {
namespace {

// Set by Open MPI's launcher (and by the process managers of other MPI libraries).
bool started_by_mpi_launcher() {
  return std::getenv("OMPI_COMM_WORLD_SIZE") != nullptr || std::getenv("PMI_SIZE") != nullptr;
}

}  // namespace

std::unique_ptr<RankLink> launched_rank_link() {
  if (!started_by_mpi_launcher()) return nullptr;
  const std::string file = "skytrak3d-mpi.so";
  try {
    const auto entry =
        reinterpret_cast<decltype(&skytrak3d_new_mpi_link)>(plugin::load_entry(file, "skytrak3d_new_mpi_link"));
    return std::unique_ptr<RankLink>(entry());
  } catch (const errors::Failure& missing) {
    throw errors::Failure("the survey under an MPI launcher needs " + file + ": " + missing.what());
  }
}

int launcher_rank() {
  for (const char* name : {"OMPI_COMM_WORLD_RANK", "PMI_RANK"}) {
    if (const char* value = std::getenv(name)) return std::atoi(value);
  }
  return 0;
}

}  // namespace survey
