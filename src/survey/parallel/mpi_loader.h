// Loading the MPI plug-in when, and only when, an MPI launcher started the program.
#pragma once

#include <memory>

#include "survey/parallel/rank_link.h"

namespace survey {

// Under an MPI launcher, the link of the MPI plug-in (MPI joined). Run alone: nullptr.
// Under a launcher without a loadable plug-in: errors::Failure "the survey under an MPI
// launcher needs skytrak3d-mpi.so: <reason>".
std::unique_ptr<RankLink> launched_rank_link();

// The rank an MPI launcher gave this process, read from the launcher's environment
// without joining MPI; 0 when the program runs alone.
int launcher_rank();

}  // namespace survey
