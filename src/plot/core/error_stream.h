// Where the library's lines for the error stream go: a device's reason for a file it
// could not finish, a window that cannot be shown. They never name the program: the
// program hands in a stream that puts its name before each line. Standard error, as the
// lines stand, until it does.
#pragma once

#include <ostream>

namespace plotix {

void set_error_stream(std::ostream& err);

std::ostream& error_stream();

}  // namespace plotix
