// The find subcommand: lists the catalogue records matching a designation or a name.
#pragma once

#include "cli/command_context.h"

namespace CLI {
class App;
}

namespace cli {

void add_find_command(CLI::App& program, CommandContext& context);

}  // namespace cli
