// Search of the catalogue by packed designation.
#pragma once

#include <filesystem>
#include <ostream>

#include "app/console.h"
#include "app/run_state.h"

namespace app {

// Reads the whole catalogue; every record whose columns 1-7 equal state.name7 writes its
// summary and sets the elements, name28 and blocks.epoch_jd, so the last match wins. The
// elements are left alone when nothing matches. When no designation equals it and name7
// is a number ("367943 "), the record of that number is searched, and name7 becomes its
// packed designation ("a7943  ").
void search_catalogue(Console& console, RunState& state, const std::filesystem::path& folder, std::ostream& hints);

}  // namespace app
