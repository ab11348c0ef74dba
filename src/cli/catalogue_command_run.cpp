// Running a whole-catalogue command and reporting it (see catalogue_command_run.h).
#include "cli/catalogue_command_run.h"

#include <unistd.h>

#include "app/error_report.h"

namespace cli {

int run_catalogue_command(CommandContext& context, const std::function<std::string(const survey::RunStreams&)>& run) {
  const survey::RunStreams streams{context.warnings, context.err, ::isatty(STDERR_FILENO) != 0};
  try {
    if (const std::string summary = run(streams); !summary.empty()) context.err << summary << '\n';
    return errors::kExitOk;
  } catch (const errors::Error& error) {
    return app::report_error(context.out, context.err, error);
  }
}

}  // namespace cli
