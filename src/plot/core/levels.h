// Level checks, argument checks and small text helpers that every public
// routine of the library uses.
#pragma once

#include <string_view>

#include "plot/core/plot_state.h"

namespace plotix {

// The record when its level lies in [lowest, highest]; otherwise warning 3 with
// the level and nullptr. Creates the record on first use; copies the routine name.
// nullptr without a warning after a failure that stops the library (plot/core/fatal_status.h).
PlotState* jqqlev(int lowest, int highest, const char* routine);

// The record (creating it); warning 3 when no plot is open, but the caller's setting
// still takes effect. nullptr only after a failure that stops the library: the caller
// then does nothing.
PlotState* chkini(const char* routine);

// 0 when lowest <= value and (highest < lowest or value <= highest); otherwise
// warning 2 with the value and 1.
int jqqval(PlotState& st, int value, int lowest, int highest);

// 1-based index of key in a list of n four-character keywords stored five
// characters apart ("ABS +USER+ANGL"); 0 and warning 2 with the key when absent.
int jqqind(PlotState& st, const char* list, int n, std::string_view key);

// Copies at most limit characters of source (up to its terminator) into
// destination and terminates it; returns the number copied.
int qqcopy(char* destination, std::string_view source, int limit);

// A default size in page units converted into plot units.
int jqquni(const PlotState& st, int n);

// Upper-cases a terminated text in place (public).
void upstr(char* text);
// Upper-cases exactly n bytes of a blank-padded field in place (public).
void upstr(char* text, int n);

}  // namespace plotix
