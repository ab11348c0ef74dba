// The MPI plug-in (skytrak3d-mpi.so): Open MPI behind a RankLink, loaded only when the
// program runs under an MPI launcher.
#pragma once

#include "survey/rank_link.h"

namespace survey {

inline constexpr const char* kMpiPluginFile = "skytrak3d-mpi.so";
inline constexpr const char* kMpiPluginEntry = "skytrak3d_new_mpi_link";

// The entry point: joins MPI and returns the link, owned by the caller; deleting it
// leaves MPI.
using NewRankLink = RankLink* (*)();

}  // namespace survey

extern "C" survey::RankLink* skytrak3d_new_mpi_link();
