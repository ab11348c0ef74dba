// Numbered warnings, the message table and the error file.
#pragma once

#include "plot/core/plot_state.h"

namespace plotix {

// Text of message number n: 1..58 the fixed table, 0 and 59..100 a blank, above
// 100 the user text set by qqserr.
const char* errmes(const PlotState& st, int n);

// " <<<< Warning %3d: %s in %s!" with the table text and the current routine.
void warnin(PlotState& st, int n);
// ... followed by "   (%4d)" with an integer detail.
void warni1(PlotState& st, int n, int detail);
// ... followed by "   (%s)" with a text detail.
void warnc1(PlotState& st, int n, const char* detail);
// Like warnin with the given text instead of the table's.
void qqerror(PlotState& st, int n, const char* text);

// The reason a device gave for a failed close (the system's error text), one line on
// the library's error stream (error_stream.h); the numbered warning naming the file
// stays as it is.
void report_device_error(const devices::Device& device);

// Sets the text of user message numbers above 100.
void qqserr(PlotState& st, const char* text);

// Opens the error file when the plot output itself goes to standard output.
void qqerrfil(PlotState& st);

}  // namespace plotix
