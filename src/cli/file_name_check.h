// A file named on the command line: an empty name would silently mean "none".
#pragma once

#include <CLI/CLI.hpp>

namespace cli {

// A name that is not empty, else "empty, a file name is needed".
CLI::Validator file_name();

}  // namespace cli
