// The start of the dialogue: the greeting and the reference-planet question.
#pragma once

#include "app/console.h"
#include "app/run_state.h"

namespace app {

// Writes the greeting banner and the hint about the catalogue.
void greet(Console& console);

// Asks for the reference planet until an answer in 1..9 arrives, writes the lines that
// follow it, and sets `ipl` and `sysname`.
void ask_reference_planet(Console& console, RunState& state);

// "System : Sun-" followed by the planet's 7-character name.
std::string make_sysname(int ipl);

}  // namespace app
