// The --version flag.
#include "cli/version_flag.h"

#include <CLI/CLI.hpp>

namespace cli {

void add_version_flag(CLI::App& app) { app.set_version_flag("--version", kVersionText); }

}  // namespace cli
