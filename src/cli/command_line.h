// The command line around the dialogue: parses the arguments and runs one subcommand.
#pragma once

#include <ostream>

namespace cli {

// Runs the command line given by argv (argv[0] is the program). Usage, --help and
// --version go to `out` with status 0; a wrong command line gives one line and the usage
// hint on `err` and status 2; a file that cannot be read or written, status 1.
int run_command_line(int argc, const char* const* argv, std::ostream& out, std::ostream& err);

// The same parse and option checks, stopped before the subcommand's work (no catalogue
// search, no integration, no file written): status 0 when the command line would run.
int check_command_line(int argc, const char* const* argv, std::ostream& out, std::ostream& err);

}  // namespace cli
