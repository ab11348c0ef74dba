// The object choice: the name prompt, and search, listing or hand entry until an object
// has been chosen.
#pragma once

#include <filesystem>
#include <ostream>

#include "app/console.h"
#include "app/run_state.h"

namespace app {

// Semimajor axis set before every name prompt; an object still carrying it (or any
// a <= 0) has not been found. The single-precision value of -999999.9.
inline constexpr double kNotFoundMarker = static_cast<double>(-999999.9f);

// Runs the name prompt until an object is chosen, with the catalogue in `folder`; hints
// about a missing catalogue go to `hints`. On return name7, name28, the elements and
// blocks.epoch_jd hold the object.
void choose_object(Console& console, RunState& state, const std::filesystem::path& folder, std::ostream& hints);

}  // namespace app
