// --sky ephemeris|table.
#include "cli/sky_option.h"

#include <CLI/CLI.hpp>
#include <string>
#include <vector>

namespace cli {

void add_sky_option(CLI::App& command, sky::Sky& sky) {
  std::vector<std::string> names;
  for (const sky::Sky each : {sky::Sky::ephemeris, sky::Sky::table}) names.emplace_back(sky::sky_name(each));
  command
      .add_option_function<std::string>(
          "--sky", [&sky](const std::string& name) { sky = *sky::parse_sky(name); },
          "Where the planets start: ephemeris (the planets' series at the epoch) or table (the built-in table "
          "carried to the epoch); default " + std::string(sky::sky_name(sky)))
      ->type_name("ephemeris|table")
      ->check(CLI::IsMember(names));
}

}  // namespace cli
