// What every subcommand's action shares: the output streams and the exit status it sets.
// A wrong command line found by an action (an object not found, a value that does not
// read) is an errors::UsageError: reported as one line and the usage hint, exit status 2.
#pragma once

#include <ostream>

#include "errors/error.h"

namespace cli {

struct CommandContext {
  std::ostream& out;
  std::ostream& err;
  std::ostream& warnings;  // lines on `err` after the program's name
  int status = errors::kExitOk;
  bool checks_only = false;  // parse and check the options, then stop before the work
};

}  // namespace cli
