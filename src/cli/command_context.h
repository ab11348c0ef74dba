// What every subcommand's action shares: the output streams and the exit status it sets.
#pragma once

#include <ostream>
#include <stdexcept>

namespace cli {

// Exit statuses of the command line.
inline constexpr int kExitOk = 0;
inline constexpr int kExitFailure = 1;  // a file could not be read or written, or find matched nothing
inline constexpr int kExitUsage = 2;    // a bad option or value, or run --object not found

struct CommandContext {
  std::ostream& out;
  std::ostream& err;
  int status = kExitOk;
  bool checks_only = false;  // parse and check the options, then stop before the work
};

// A wrong command line found by a subcommand's action (an object not found, a value that
// does not read): reported as one line and the usage hint, exit status 2.
class UsageError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

}  // namespace cli
