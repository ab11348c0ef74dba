// The end-of-run protocol printed by disfin.
#pragma once

#include "plot/core/plot_state.h"

namespace plotix {

// Prints the end-of-run protocol; file_written is 0 for the screen, 1 for a plot
// file, 10/11 when an error file was used without/with a plot file.
void dprcol(PlotState& st, int file_written);

}  // namespace plotix
