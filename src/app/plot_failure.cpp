// From the plot library's fatal status to the program's failures.
#include "app/plot_failure.h"

#include "plot/plotix.h"

namespace app {

void check_plot_status() {
  switch (plotix::fatal_status()) {
    case plotix::FatalStatus::none:
    case plotix::FatalStatus::write_failed: return;
    case plotix::FatalStatus::out_of_memory:
    case plotix::FatalStatus::open_failed: throw PlotFailure(plotix::fatal_message());
  }
}

bool plot_file_write_failed() { return plotix::fatal_status() == plotix::FatalStatus::write_failed; }

}  // namespace app
