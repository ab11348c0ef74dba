// --sky ephemeris|table.
#include "cli/sky_option.h"

#include <CLI/CLI.hpp>
#include <map>
#include <string>

namespace cli {

void add_sky_option(CLI::App& command, sky::Sky& sky) {
  std::map<std::string, sky::Sky> names;
  for (const sky::Sky each : {sky::Sky::ephemeris, sky::Sky::table}) names.emplace(sky::sky_name(each), each);
  command
      .add_option("--sky", sky,
                  "Where the planets start: ephemeris (the planets' series at the epoch) or table (the built-in "
                  "table carried to the epoch); default " + std::string(sky::sky_name(sky)))
      ->type_name("ephemeris|table")
      ->transform(CLI::CheckedTransformer(names));
}

}  // namespace cli
