// The plot library's fatal status as the program reports it: the line it prints on
// stderr and its exit status.
#pragma once

#include <ostream>
#include <stdexcept>

namespace app {

// Thrown when the plot library stopped with a fatal status. what() is the whole line
// to print, empty when the library's own warning already said what failed.
class PlotFailure : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Throws PlotFailure when the plot library has recorded a fatal status.
void check_plot_status();

// Flushes out, prints the failure's line (if any) on err, and returns the exit status 1.
int report_plot_failure(std::ostream& out, std::ostream& err, const PlotFailure& failure);

}  // namespace app
