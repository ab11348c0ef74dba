// The --sky option of the commands that integrate: where the planets start.
#pragma once

#include "sky/sky.h"

namespace CLI {
class App;
}

namespace cli {

// Adds --sky ephemeris|table to `command`, read into `sky`; its value on entry is the
// default the help shows.
void add_sky_option(CLI::App& command, sky::Sky& sky);

}  // namespace cli
