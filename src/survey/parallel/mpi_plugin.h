// The MPI plug-in (skytrak3d-mpi.so): Open MPI behind a RankLink, loaded only when the
// program runs under an MPI launcher.
#pragma once

#include "survey/parallel/rank_link.h"

// The entry point: joins MPI and returns the link, owned by the caller; deleting the
// link leaves MPI.
extern "C" survey::RankLink* skytrak3d_new_mpi_link();
