// Listing of the catalogue objects whose semimajor axis lies in a range.
#pragma once

#include <filesystem>
#include <ostream>

#include "app/console.h"

namespace app {

// Asks for a_min, a_max and lists the records with a_min <= a <= a_max, pausing after
// every 20 lines. Chooses nothing.
void list_catalogue(Console& console, const std::filesystem::path& folder, std::ostream& hints);

}  // namespace app
