// Internal parts of the plot life cycle shared between the files that build it.
#pragma once

#include "plot/core/plot_state.h"

namespace plotix {

// Resets every plot parameter of every concern to its default (run by disini).
void resall(PlotState& st);

// Page size in plot units and the default axis area from xpage, ypage, xunit.
void defvar(PlotState& st);

// Prints the end-of-run protocol; file_written is 0 for the screen, 1 for a plot
// file, 10/11 when an error file was used without/with a plot file.
void dprcol(PlotState& st, int file_written);

// The library version printed by the protocol and the page header, and the patch
// level letter of the protocol.
inline constexpr float kVersion = 9.3f;
inline constexpr int kPatchLevel = 2;

}  // namespace plotix
