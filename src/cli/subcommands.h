// The table of subcommands: each one lives in its own file and adds itself to the
// program's parser through the function listed here.
#pragma once

#include <span>

#include "cli/command_context.h"

namespace CLI {
class App;
}

namespace cli {

// Adds one subcommand (name, options, help and action) to `program`; its action reports
// through `context`.
using AddSubcommand = void (*)(CLI::App& program, CommandContext& context);

// Every subcommand of the program, in the order --help lists them.
std::span<const AddSubcommand> subcommands();

}  // namespace cli
