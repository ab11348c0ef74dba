// The subcommand list. A new subcommand is one file defining its add function, and one
// line here.
#include "cli/subcommands.h"

#include "cli/coorbital_command.h"
#include "cli/find_command.h"
#include "cli/run_command.h"
#include "cli/survey_command.h"

namespace cli {

namespace {

constexpr AddSubcommand kSubcommands[] = {
    add_run_command,
    add_find_command,
    add_survey_command,
    add_coorbital_command,
};

}  // namespace

std::span<const AddSubcommand> subcommands() { return kSubcommands; }

}  // namespace cli
