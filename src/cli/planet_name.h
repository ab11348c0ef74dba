// Planets on the command line: by number or by name, the same in every subcommand.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace cli {

// 1..9 for "1".."9" or a planet's name in any case ("earth", "Earth", "JUPITER");
// nothing for anything else.
std::optional<int> planet_number(std::string_view text);

// A comma-separated list with every planet's name replaced by its number ("earth,5" gives
// "3,5"); other items are lower-cased ("Moon,ALL" gives "moon,all") for the list's own
// reader to judge.
std::string planet_names_as_numbers(std::string_view list);

}  // namespace cli
