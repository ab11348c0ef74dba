// The --version flag, the same on the program and on every subcommand.
#pragma once

namespace CLI {
class App;
}

namespace cli {

inline constexpr const char* kVersionText = "skytrak3d version 5 - Mar. 26, 2022";

// Adds --version to `app`: it prints kVersionText on stdout and exits with status 0.
void add_version_flag(CLI::App& app);

}  // namespace cli
