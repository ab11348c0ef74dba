// The edge of the commands that run over a whole catalogue (survey, coorbital): the
// streams they write to, their summary line and the report of what went wrong.
#pragma once

#include <functional>
#include <string>

#include "cli/command_context.h"
#include "survey/catalogue_run.h"

namespace cli {

// Runs `run` with its warnings after the program's name on the error stream, and the
// progress bar there when it is a terminal; then prints the summary line it returns (when
// not empty). Returns the exit status: 0, or that of the errors::Error it met, reported
// in one line without the usage hint (the command line itself was right).
int run_catalogue_command(CommandContext& context, const std::function<std::string(const survey::RunStreams&)>& run);

}  // namespace cli
