// The coorbital subcommand: the quasi-satellites, Trojans and horseshoes of a planet in a
// whole catalogue.
#pragma once

#include "cli/command_context.h"

namespace CLI {
class App;
}

namespace cli {

void add_coorbital_command(CLI::App& program, CommandContext& context);

}  // namespace cli
