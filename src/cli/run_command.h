// The run subcommand: one run of the program without questions.
#pragma once

#include "cli/command_context.h"

namespace CLI {
class App;
}

namespace cli {

void add_run_command(CLI::App& program, CommandContext& context);

}  // namespace cli
