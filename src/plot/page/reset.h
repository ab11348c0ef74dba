// Every plot parameter back to its default, and the page geometry (run by disini).
#pragma once

#include "plot/core/plot_state.h"

namespace plotix {

// Resets every plot parameter of every concern to its default (run by disini).
void resall(PlotState& st);

// Page size in plot units and the default axis area from xpage, ypage, xunit.
void defvar(PlotState& st);

}  // namespace plotix
