// From the plot library's fatal status to the program's message and exit status.
#include "app/plot_failure.h"

#include <string>

#include "plot/plotix.h"

namespace app {

void check_plot_status() {
  switch (plotix::fatal_status()) {
    case plotix::FatalStatus::none: return;
    case plotix::FatalStatus::out_of_memory: throw PlotFailure(">>>> Not enough memory for global variables!");
    case plotix::FatalStatus::open_failed: {
      const std::string reason = plotix::fatal_message();
      throw PlotFailure(reason.empty() ? reason : "skytrak3d: " + reason);
    }
  }
}

int report_plot_failure(std::ostream& out, std::ostream& err, const PlotFailure& failure) {
  out.flush();
  const std::string line = failure.what();
  if (!line.empty()) err << line << '\n';
  return 1;
}

}  // namespace app
