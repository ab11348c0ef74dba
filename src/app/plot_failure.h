// The plot library's failures as the program meets them.
#pragma once

#include "errors/error.h"

namespace app {

// The plot library stopped (plot/core/fatal_status.h): a failure whose message is the
// device's reason, empty when the library's own message said what failed. Its own class,
// since the co-orbital pictures name the object whose picture failed.
class PlotFailure : public errors::Failure {
 public:
  using errors::Failure::Failure;
};

// Throws PlotFailure when the plot library has stopped.
void check_plot_status();

// True when a plot's file could not be written whole since the program started.
bool plot_file_write_failed();

}  // namespace app
