// How the program tells its errors and warnings, from the dialogue and from the command
// line alike: each line on the error stream after the program's name, and the exit status
// of the error's kind. The libraries below never name the program; this is where it is added.
#pragma once

#include <ostream>

#include "errors/error.h"

namespace app {

// What begins every line the program says on its error stream.
inline constexpr const char* kMessagePrefix = "skytrak3d: ";

// Sends what `out` holds, then prints "skytrak3d: <message>" on `err` (nothing when the
// message is empty: the library has said what failed) and returns the error's exit status.
int report_error(std::ostream& out, std::ostream& err, const errors::Error& error);

}  // namespace app
