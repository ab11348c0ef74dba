// The one PlotState record of the process: the global pointer p_plotix and its
// access routines. Only public entry points look the record up; every internal
// routine receives it as its first argument.
#pragma once

#include "plot/core/plot_state.h"

namespace plotix {

extern PlotState* p_plotix;

// The record, or nullptr when no library routine has run yet.
PlotState* qqgglb();

// The record, created with its first-use defaults when missing; `created` tells
// whether this call made it. Without memory for it: nullptr, and the fatal status
// out_of_memory recorded.
PlotState* qqsglb(bool& created);

// Drops the record and any device it holds, and forgets a fatal status (tests start
// each case from a fresh process state with this).
void free_global_state();

}  // namespace plotix
