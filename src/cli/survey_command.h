// The survey subcommand: close approaches of a whole catalogue to the chosen planets.
#pragma once

#include "cli/command_context.h"

namespace CLI {
class App;
}

namespace cli {

void add_survey_command(CLI::App& program, CommandContext& context);

}  // namespace cli
